// The About box (frmAbout): the program's name, what it does, and links to its web site.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

class Platform;

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(Platform& platform, QWidget* parent);

  QLabel* picIcon;
  QLabel* Label2;
  QLabel* Label1;
  QLabel* lblHomePage;
  QLabel* Label3;
  QLabel* lblCoBrand;
  QPushButton* cmdOK;

 private:
  Platform& platform_;
};

// Opens the About box modally over `parent`.
void ShowAboutBox(Platform& platform, QWidget* parent);

}  // namespace velmora
