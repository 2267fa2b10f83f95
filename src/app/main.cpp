#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Vantorel");
  window.resize(640, 400);
  window.show();
  return app.exec();
}
