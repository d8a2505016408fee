// A desktop for tests: it records every message, answers file and printer dialogs from
// queues, never opens a modal window, and keeps the preferences in a file of its own, never
// in the user's.
#pragma once

#include <QDialog>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/platform.h"

namespace velmora::test {

class ScriptedPlatform final : public Platform {
 public:
  // A fresh preferences file in a folder of this desktop's own, gone with it.
  ScriptedPlatform() : ScriptedPlatform(QString()) {}
  // The preferences file at `settingsPath`, so that a second desktop can start the program
  // again over what the first one left.
  explicit ScriptedPlatform(const QString& settingsPath)
      : settingsPath_(settingsPath.isEmpty() ? folder_.filePath(QStringLiteral("velmora.conf"))
                                             : settingsPath) {}

  struct Message {
    QString Text;
    MessageIcon Icon;
    QString Title;
  };

  std::vector<Message> Messages;
  std::vector<FileDialogRequest> OpenRequests;
  std::vector<FileDialogRequest> SaveRequests;
  struct Question {
    QString Text;
    QStringList Answers;
  };
  std::vector<Question> Questions;
  // The index of the answer to pick for the next questions; an empty entry (or an empty
  // queue) cancels.
  std::deque<std::optional<int>> QuestionAnswers;
  std::vector<QUrl> OpenedAddresses;
  std::vector<QString> ModalDialogs;  // object name or title of each dialog run modally
  int PrinterDialogs = 0;

  // Answers for the next dialogs, in order; an empty entry (or an empty queue) cancels.
  std::deque<std::optional<QString>> OpenAnswers;
  std::deque<std::optional<QString>> SaveAnswers;
  // Sets up the printer for the next printer dialog; none (or an empty queue) cancels.
  std::deque<std::function<void(QPrinter&)>> PrinterAnswers;
  // Called with each modal dialog before it is closed, to look at it or press its buttons.
  std::function<void(QDialog&)> OnModal;
  bool InstanceAvailable = true;

  void ShowMessage(QWidget*, const QString& text, MessageIcon icon, const QString& title) override {
    Messages.push_back({text, icon, title});
  }
  std::optional<int> ChooseAnswer(QWidget*, const QString& text, const QStringList& answers,
                                  const QString&) override {
    Questions.push_back({text, answers});
    if (QuestionAnswers.empty()) return std::nullopt;
    const std::optional<int> answer = QuestionAnswers.front();
    QuestionAnswers.pop_front();
    return answer;
  }
  std::optional<QString> ChooseOpenPath(QWidget*, const FileDialogRequest& request) override {
    OpenRequests.push_back(request);
    return Next(OpenAnswers);
  }
  std::optional<QString> ChooseSavePath(QWidget*, const FileDialogRequest& request) override {
    SaveRequests.push_back(request);
    return Next(SaveAnswers);
  }
  // The answer stands for the user pressing Print in the preview and setting up the
  // printer there; the document is then printed on it.
  bool PreviewPrint(QWidget*, QPrinter& printer,
                    const std::function<void(QPrinter&)>& paint) override {
    ++PrinterDialogs;
    if (PrinterAnswers.empty()) return false;
    auto answer = std::move(PrinterAnswers.front());
    PrinterAnswers.pop_front();
    if (!answer) return false;
    answer(printer);
    paint(printer);
    return true;
  }
  void RunModal(QDialog& dialog) override {
    ModalDialogs.push_back(dialog.objectName().isEmpty() ? dialog.windowTitle()
                                                         : dialog.objectName());
    if (OnModal) OnModal(dialog);
    dialog.close();
  }
  bool OpenWebAddress(const QUrl& address) override {
    OpenedAddresses.push_back(address);
    return true;
  }
  bool ClaimSingleInstance() override { return InstanceAvailable; }
  QSettings& Settings() override {
    if (!settings_) settings_ = std::make_unique<QSettings>(settingsPath_, QSettings::IniFormat);
    return *settings_;
  }
  const QString& SettingsPath() const { return settingsPath_; }

  // The text of the only message shown so far, or a description of what was shown instead.
  QString OnlyMessage() const {
    if (Messages.size() == 1) return Messages.front().Text;
    return QStringLiteral("<%1 messages>").arg(Messages.size());
  }

 private:
  QTemporaryDir folder_;
  QString settingsPath_;
  std::unique_ptr<QSettings> settings_;

  static std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
    if (answers.empty() || !answers.front().has_value()) {
      if (!answers.empty()) answers.pop_front();
      return std::nullopt;
    }
    const QString path = *answers.front();
    answers.pop_front();
    return path;
  }
};

}  // namespace velmora::test
