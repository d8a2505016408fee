#include "qt_platform.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace velmora {
namespace {

QFileDialog::Options DialogOptions() {
  return QFileDialog::Options();
}

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.Title, request.InitialPath, request.Filter);
  dialog.setAcceptMode(mode);
  dialog.setOptions(DialogOptions());
  dialog.setDefaultSuffix(request.DefaultSuffix);
  if (mode == QFileDialog::AcceptOpen) {
    dialog.setFileMode(request.MustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  } else {
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ConfirmOverwrite);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QtPlatform::QtPlatform(QString lockPath) : lockPath_(std::move(lockPath)) {}

void QtPlatform::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                             const QString& title) {
  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                  title, text, QMessageBox::Ok, parent);
  // Messages quote names, paths and file lines: a "<img src=...>" among them must stay text.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<QString> QtPlatform::ChooseOpenPath(QWidget* parent,
                                                  const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::ChooseSavePath(QWidget* parent,
                                                  const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

bool QtPlatform::PreviewPrint(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter&)>& paint) {
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&paint](QPrinter* target) { paint(*target); });
  // The preview accepts once the user has printed from it; its printer dialog offers
  // printing to a PDF file as well as to the printers.
  return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::RunModal(QDialog& dialog) {
  dialog.exec();
}

bool QtPlatform::OpenWebAddress(const QUrl& address) {
  return QDesktopServices::openUrl(address);
}

bool QtPlatform::ClaimSingleInstance() {
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // Never take over a lock because of its age: only a lock whose process has died is stale,
  // which QLockFile detects from the process id it wrote.
  lock_->setStaleLockTime(0);
  return lock_->tryLock(0);
}

QString DefaultInstanceLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(QStringLiteral("velmora-astrology-birth-chart.lock"));
}

}  // namespace velmora
