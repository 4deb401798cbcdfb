// Penwick: a multiple-document editor for hand-written HTML, XML, script and RTF source.

#include <QApplication>

#include "app/frame_form.h"
#include "app/qt_ui.h"
#include "platform/program_folder.h"
#include "platform/run_once.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Penwick"));
  // Started by the one-time log-on entry: that entry has done its work.
  penwick::ConsumeRunOnce();
  penwick::QtUi ui;
  penwick::TFrameForm frame(ui, penwick::ProgramFolder(), QApplication::arguments().mid(1));
  ui.SetParentWidget(&frame);
  frame.show();
  return app.exec();
}
