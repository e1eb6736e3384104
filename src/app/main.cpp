// vettora: the applicant assessment window, or with --assess FILE.evl the
// same assessment printed without a window.
#include <QApplication>
#include <QMessageBox>
#include <cstring>
#include <iostream>

#include "app/app_resources.h"
#include "app/assess_command.h"
#include "app/knowledge_file.h"
#include "app/main_window.h"
#include "app/messages.h"

int main(int argc, char* argv[]) {
  vettora::InitAppResources();
  // Names the application-data folder the edited rules are kept in, the
  // same for the window and the headless run.
  QCoreApplication::setApplicationName(vettora::kAppDataName);
  if (argc >= 2 && std::strcmp(argv[1], "--assess") == 0) {
    if (argc != 3) {
      std::cerr << vettora::kUsage << '\n';
      return 2;
    }
    return vettora::RunAssessCommand(argv[2], vettora::DefaultKnowledgePath(), std::cout,
                                     std::cerr);
  }
  if (argc >= 2) {
    std::cerr << vettora::kUsage << '\n';
    return 2;
  }
  QApplication app(argc, argv);
  try {
    vettora::TMainWindow window;
    window.show();
    return app.exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, vettora::kAppTitle, error.what());
    return 1;
  }
}
