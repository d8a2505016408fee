// What the program takes from the desktop: message boxes, file and printer dialogs, modal
// dialogs, the browser, the single-instance check and the store of the user's preferences.
// Everything goes through this one interface so that tests can answer a dialog or read a message
// without a real modal window.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

#include "engine/birth_data.h"

class QDialog;
class QPrinter;
class QSettings;
class QWidget;

namespace velmora {

struct FileDialogRequest {
  QString Title;
  QString Filter;         // Qt form, e.g. "Chart files (*.vmx)"
  QString DefaultSuffix;  // added when the user types a name without one
  QString InitialPath;
  bool MustExist = false;         // open dialogs: the file must exist
  bool ConfirmOverwrite = false;  // save dialogs: ask before replacing a file
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A message with one OK button; returns when the user has closed it.
  virtual void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                           const QString& title) = 0;
  // A question with one button per answer (and Cancel): the index of the chosen answer, or
  // nothing when the user cancels.
  virtual std::optional<int> ChooseAnswer(QWidget* parent, const QString& text,
                                          const QStringList& answers, const QString& title) = 0;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<QString> ChooseOpenPath(QWidget* parent,
                                                const FileDialogRequest& request) = 0;
  virtual std::optional<QString> ChooseSavePath(QWidget* parent,
                                                const FileDialogRequest& request) = 0;
  // A print preview of what `paint` draws on a printer. From there the user chooses a
  // printer (or a PDF file) and prints, and `paint` runs once more on the printer chosen;
  // false when the user closes the preview without printing.
  virtual bool PreviewPrint(QWidget* parent, QPrinter& printer,
                            const std::function<void(QPrinter&)>& paint) = 0;
  // Runs a dialog modally until it is closed.
  virtual void RunModal(QDialog& dialog) = 0;
  // Opens a web address in the user's browser; false when none could be started.
  virtual bool OpenWebAddress(const QUrl& address) = 0;
  // Claims this user's single running instance; false when another instance holds it.
  virtual bool ClaimSingleInstance() = 0;
  // Where the user's preferences last between runs. Reading it writes nothing.
  virtual QSettings& Settings() = 0;
};

}  // namespace velmora
