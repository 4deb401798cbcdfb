// Penwick: a multiple-document editor for hand-written HTML, XML, script and RTF source.

#include "app/frame_form.h"
#include "platform/program_folder.h"
#include "platform/run_once.h"
#include "ui/application.h"
#include "ui/message_boxes.h"
#include "ui/qt_ui.h"

#ifdef Q_OS_UNIX
#include <csignal>
#endif

int main(int argc, char** argv) {
#ifdef Q_OS_UNIX
  // A write past the file-size limit then fails with an error Penwick reports, instead of killing it with
  // every unsaved window.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  penwick::Application app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Penwick"));
  // Started by the one-time log-on entry: that entry has done its work.
  penwick::ConsumeRunOnce();
  QString folderError;
  const QString folder = penwick::ProgramFolder(&folderError);
  penwick::QtUi ui;
  app.SetOutOfMemoryHandler([&ui] { penwick::MessageBoxes(ui).ShowError(QStringLiteral("Out of memory")); });
  // Said once, before the frame reads its settings from the folder.
  if (!folderError.isEmpty()) penwick::MessageBoxes(ui).ShowError(folderError);
  penwick::TFrameForm frame(ui, folder, QApplication::arguments().mid(1));
  ui.SetParentWidget(&frame);
  frame.show();
  return app.exec();
}
