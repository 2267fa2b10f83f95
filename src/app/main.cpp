#include <QApplication>

#include "app/main_app.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("vantorel");
  CMainApp theApp;
  return theApp.InitInstance();
}
