// Names, places and file lines with markup in them are shown as the characters they are:
// never a heading, never a picture (of /dev/zero, which has no end, or of a local file),
// never a table the layout engine spins on.
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "app_fixture.h"
#include "ui/plain_text.h"
#include "ui/qt_platform.h"

namespace velmora::test {
namespace {

QString NestedTables(int depth) {
  return QStringLiteral("<table><tr><td>").repeated(depth) + QStringLiteral("deep");
}

// A picture of a colour nothing in the program uses: any pixel of it means it was shown.
constexpr QRgb kMagenta = qRgb(255, 0, 255);

bool HoldsColour(const QImage& picture, QRgb colour) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
    }
  }
  return false;
}

}  // namespace

class PlainTextTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QImage magenta(64, 64, QImage::Format_RGB32);
    magenta.fill(kMagenta);
    QVERIFY(magenta.save(folder_.filePath(QStringLiteral("local.png"))));
  }

  void messageBoxShowsMarkupAsText_data() { MarkupRows(); }
  void messageBoxShowsMarkupAsText() {
    QFETCH(QString, text);
    const auto box =
        MessageBoxFor(nullptr, QStringLiteral("The chart file %1 cannot be opened.").arg(text),
                      MessageIcon::Error, QStringLiteral("Velmora"));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(label != nullptr);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), QStringLiteral("The chart file %1 cannot be opened.").arg(text));
  }

  void toolTipShowsMarkupAsText_data() {
    MarkupRows();
    QTest::newRow("two lines kept") << QStringLiteral("Uttara\nBhadrapada");
    QTest::newRow("plain name") << QStringLiteral("Asha Rao");
  }
  void toolTipShowsMarkupAsText() {
    QFETCH(QString, text);
    const QString tip = PlainToolTip(text);
    // Tool tips go by the guess; marked up, the guess is sure, and the text comes out whole.
    QVERIFY(Qt::mightBeRichText(tip));
    QTextDocument shown;
    shown.setHtml(tip);
    QCOMPARE(shown.toPlainText(), text);
    QVERIFY(!shown.toHtml().contains(QStringLiteral("<img")));
  }

  void chartShowsMarkupInTheBirthDataAsText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("western");
    const QString picture =
        QStringLiteral("<img src=\"%1\">").arg(folder_.filePath(QStringLiteral("local.png")));
    QTest::newRow("local picture, Indian chart") << picture << false;
    QTest::newRow("local picture, Western chart") << picture << true;
    QTest::newRow("endless device, Indian chart") << QStringLiteral("<img src=/dev/zero>") << false;
    QTest::newRow("2000 nested tables, Western chart") << NestedTables(2000) << true;
  }
  // What the window shows is also what Save As JPG and Print put out: both take its capture.
  void chartShowsMarkupInTheBirthDataAsText() {
    QFETCH(QString, text);
    QFETCH(bool, western);
    AppFixture f;
    f.Fill(BirthEntry{});
    // Set, not typed: typing thousands of characters key by key takes minutes.
    for (QLineEdit* box :
         {f.form().txtName, f.form().txtCity, f.form().txtState, f.form().txtCountry}) {
      box->setText(text);
    }
    f.Click(western ? f.form().Command2 : f.form().cmdCalculate);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    ChartWindow& w = f.chart();
    QCOMPARE(w.lblName->text(), QStringLiteral("Name: ") + text);
    QCOMPARE(w.lblCountry->text(), QStringLiteral("Country: ") + text);
    f.main()->RefreshChartCapture();
    const QImage capture = f.main()->chartCapture().toImage();
    QVERIFY(!capture.isNull());
    QVERIFY(!HoldsColour(capture, kMagenta));
  }

 private:
  QString LocalPicture() const { return folder_.filePath(QStringLiteral("local.png")); }
  void MarkupRows() const {
    QTest::addColumn<QString>("text");
    QTest::newRow("picture of an endless device") << QStringLiteral("<img src=\"/dev/zero\">");
    QTest::newRow("picture of a local file")
        << QStringLiteral("<img src=\"%1\">").arg(LocalPicture());
    QTest::newRow("heading") << QStringLiteral("<h1>Big");
    QTest::newRow("2000 nested tables") << NestedTables(2000);
    QTest::newRow("entity and quotes") << QStringLiteral("Tom &amp; \"Jo\" <b>");
  }

  QTemporaryDir folder_;
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::PlainTextTest)
#include "plain_text_test.moc"
