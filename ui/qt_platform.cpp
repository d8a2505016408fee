#include "qt_platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace velmora {
namespace {

QFileDialog::Options DialogOptions() {
  return QFileDialog::Options();
}

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
  // Declared first: the dialog's model uses it until the dialog is gone.
  NameOnlyIconProvider icons;
  QFileDialog dialog(parent, request.Title, request.InitialPath, request.Filter);
  dialog.setIconProvider(&icons);
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

QIcon NameOnlyIconProvider::icon(IconType type) const {
  return QFileIconProvider::icon(type);
}

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
  if (info.isRoot()) return QFileIconProvider::icon(Drive);
  return QFileIconProvider::icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
  if (info.isDir()) return QFileIconProvider::type(info);
  const QMimeType mime = mimeTypes_.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
  return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

QtPlatform::QtPlatform(QString lockPath, QString settingsPath)
    : lockPath_(std::move(lockPath)), settingsPath_(std::move(settingsPath)) {}

std::unique_ptr<QMessageBox> MessageBoxFor(QWidget* parent, const QString& text, MessageIcon icon,
                                           const QString& title) {
  auto box = std::make_unique<QMessageBox>(
      icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information, title, text,
      QMessageBox::Ok, parent);
  // Messages quote names, paths and file lines: a "<img src=...>" among them must stay text.
  box->setTextFormat(Qt::PlainText);
  return box;
}

void QtPlatform::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                             const QString& title) {
  MessageBoxFor(parent, text, icon, title)->exec();
}

std::optional<int> QtPlatform::ChooseAnswer(QWidget* parent, const QString& text,
                                            const QStringList& answers, const QString& title) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Cancel, parent);
  box.setTextFormat(Qt::PlainText);
  QList<QAbstractButton*> buttons;
  for (const QString& answer : answers) buttons << box.addButton(answer, QMessageBox::AcceptRole);
  if (!buttons.isEmpty()) box.setDefaultButton(qobject_cast<QPushButton*>(buttons.constFirst()));
  box.exec();
  const qsizetype chosen = buttons.indexOf(box.clickedButton());
  if (chosen < 0) return std::nullopt;
  return static_cast<int>(chosen);
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
  // Without a folder only this user can write to, a lock would be one another user could
  // hold for us; the program then runs unchecked rather than not at all.
  if (lockPath_.isEmpty()) return true;
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // Never take over a lock because of its age: only a lock whose process has died is stale,
  // which QLockFile detects from the process id it wrote.
  lock_->setStaleLockTime(0);
  return lock_->tryLock(0);
}

QSettings& QtPlatform::Settings() {
  if (!settings_) {
    // A plain text file of our own names, whatever the desktop's native store is.
    settings_ = settingsPath_.isEmpty()
                    ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  QStringLiteral("Velmora"),
                                                  QStringLiteral("Velmora Astrology Birth Chart"))
                    : std::make_unique<QSettings>(settingsPath_, QSettings::IniFormat);
  }
  return *settings_;
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
