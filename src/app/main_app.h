#pragma once
// The application: it runs the main window until it closes.

class CMainApp {
 public:
  // Shows the main window and returns when it has closed.
  int InitInstance();
};
