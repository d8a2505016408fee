#include "qt_platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
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

bool QtPlatform::ChoosePrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  // One picture is printed: a page range or a selection would mean nothing.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  // The chart goes to a printer; a picture file is what "Save As JPG" is for.
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::RunModal(QDialog& dialog) {
  dialog.exec();
}

bool QtPlatform::OpenWebAddress(const QUrl& address) {
  return QDesktopServices::openUrl(address);
}

bool QtPlatform::ClaimSingleInstance() {
  // Without a folder only this user can write to, a lock would be one another user could
  // hold for us; the program then runs unchecked rather than not at all.
  if (lockPath_.isEmpty()) return true;
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // Never take over a lock because of its age: only a lock whose process has died is stale,
  // which QLockFile detects from the process id it wrote.
  lock_->setStaleLockTime(0);
  return lock_->tryLock(0);
}

bool IsPrivateFolder(const QString& folder) {
  if (folder.isEmpty()) return false;
  struct stat st {};
  // lstat: a link planted in our name could lead into someone else's folder.
  return ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
         st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

QString DefaultInstanceLockPath() {
  static constexpr auto kLockName = "velmora-astrology-birth-chart.lock";
  // The session's runtime folder (XDG_RUNTIME_DIR), which Qt checks is ours and private.
  // Checked again here: Qt may still hand back a folder it could not make private.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!IsPrivateFolder(folder)) {
    // Never a fixed name in a shared folder such as /tmp, which anyone could create first:
    // a folder of ours in the user's cache, made private.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache)) return {};
    folder = QDir(cache).filePath(QStringLiteral("velmora-astrology-birth-chart"));
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    if (!IsPrivateFolder(folder)) return {};
  }
  return QDir(folder).filePath(QString::fromLatin1(kLockName));
}

}  // namespace velmora
