// The real desktop behind Platform: Qt's dialogs, the desktop's browser and a lock file.
#pragma once

#include <QFileIconProvider>
#include <QLockFile>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QSettings>
#include <memory>

#include "platform.h"

namespace velmora {

class QtPlatform final : public Platform {
 public:
  // `lockPath`: the lock file that marks a running instance; empty for none.
  // `settingsPath`: the preferences file; empty for the user's own, in the desktop's
  // configuration folder (~/.config/Velmora/Velmora Astrology Birth Chart.ini).
  explicit QtPlatform(QString lockPath, QString settingsPath = {});

  void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                   const QString& title) override;
  std::optional<int> ChooseAnswer(QWidget* parent, const QString& text, const QStringList& answers,
                                  const QString& title) override;
  std::optional<QString> ChooseOpenPath(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<QString> ChooseSavePath(QWidget* parent, const FileDialogRequest& request) override;
  bool PreviewPrint(QWidget* parent, QPrinter& printer,
                    const std::function<void(QPrinter&)>& paint) override;
  void RunModal(QDialog& dialog) override;
  bool OpenWebAddress(const QUrl& address) override;
  bool ClaimSingleInstance() override;
  QSettings& Settings() override;

 private:
  QString lockPath_;
  std::unique_ptr<QLockFile> lock_;
  QString settingsPath_;
  // Opened when first asked for: a run that never reads a preference never looks for it.
  std::unique_ptr<QSettings> settings_;
};

// Names a file's type from its name alone, for the file dialogs. Qt's own provider asks the
// MIME database, which reads a file's first bytes when the name does not settle it: in
// /proc, /sys or /dev that read can wait for data that never comes (/proc/kmsg), and the
// dialog, listing such a folder, freezes the program.
class NameOnlyIconProvider final : public QFileIconProvider {
 public:
  QIcon icon(IconType type) const override;
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;

 private:
  QMimeDatabase mimeTypes_;
};

// The message box ShowMessage runs, every text in it shown as plain text.
std::unique_ptr<QMessageBox> MessageBoxFor(QWidget* parent, const QString& text, MessageIcon icon,
                                           const QString& title);

// The lock file of the current user's instance, in a folder that only this user can write
// to; empty when there is no such folder.
QString DefaultInstanceLockPath();

// True when `folder` is a real folder (not a link) owned by this user and closed to others.
bool IsPrivateFolder(const QString& folder);

}  // namespace velmora
