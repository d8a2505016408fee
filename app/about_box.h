// The About box (frmAbout): the program's name, what it does, and links to its web site.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

class LinkLabel;

class Platform;

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(Platform& platform, QWidget* parent);

  QLabel* picIcon;
  QLabel* Label2;
  QLabel* Label1;
  LinkLabel* lblHomePage;
  QLabel* Label3;
  LinkLabel* lblCoBrand;
  QPushButton* cmdOK;

 private:
  Platform& platform_;
};

// Opens the About box modally over `parent`.
void ShowAboutBox(Platform& platform, QWidget* parent);

}  // namespace velmora
