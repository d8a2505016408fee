// Build-time helper: renders the program's vector icon to the PNG sizes desktops look for.
//   render_icon ICON.svg OUTPUT_FOLDER NAME SIZE...
// writes OUTPUT_FOLDER/SIZExSIZE/apps/NAME.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc < 5) {
    std::fprintf(stderr, "usage: render_icon ICON.svg OUTPUT_FOLDER NAME SIZE...\n");
    return 2;
  }
  QSvgRenderer renderer{QString::fromLocal8Bit(argv[1])};
  if (!renderer.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 4; i < argc; ++i) {
    const int size = QString::fromLatin1(argv[i]).toInt();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    const QString folder =
        QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    QDir().mkpath(folder);
    if (!image.save(folder + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) +
                    QStringLiteral(".png")))
      return 1;
  }
  return 0;
}
