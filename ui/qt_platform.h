// The real desktop behind Platform: Qt's dialogs, the desktop's browser and a lock file.
#pragma once

#include <QLockFile>
#include <memory>

#include "platform.h"

namespace velmora {

class QtPlatform final : public Platform {
 public:
  // `lockPath`: the lock file that marks a running instance; empty for none.
  explicit QtPlatform(QString lockPath);

  void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                   const QString& title) override;
  std::optional<QString> ChooseOpenPath(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<QString> ChooseSavePath(QWidget* parent, const FileDialogRequest& request) override;
  bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
  void RunModal(QDialog& dialog) override;
  bool OpenWebAddress(const QUrl& address) override;
  bool ClaimSingleInstance() override;

 private:
  QString lockPath_;
  std::unique_ptr<QLockFile> lock_;
};

// The lock file of the current user's instance, in a folder that only this user can write
// to; empty when there is no such folder.
QString DefaultInstanceLockPath();

// True when `folder` is a real folder (not a link) owned by this user and closed to others.
bool IsPrivateFolder(const QString& folder);

}  // namespace velmora
