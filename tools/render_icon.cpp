// Writes the application icon as PNG files of the given sizes, for
// installing into the icon theme: render_icon DIR 16 24 32 ...

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

#include "resources/icons.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: render_icon DIR SIZE...\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString file = dir.filePath(QString("vantorel-%1.png").arg(size));
    if (size <= 0 || !ApplicationIconPixmap(size).save(file)) {
      std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
