#include "ui/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/program_folder.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kHelpTitle[] = "Penwick Help";

}  // namespace

QString HelpContextPage(int context) {
  return context == kHelpContents ? QStringLiteral("pwhelp.htm")
                                  : QStringLiteral("pwhelp%1.htm").arg(context);
}

QStringList HelpFolders() {
  QStringList folders{ProgramFolder()};
  const QString executableFolder = QCoreApplication::applicationDirPath();
  if (!executableFolder.isEmpty() && !folders.contains(QDir::cleanPath(executableFolder)))
    folders << QDir::cleanPath(executableFolder);
  return folders;
}

QString FindShippedFile(const QString& name, const QStringList& folders) {
  for (const QString& folder : folders) {
    const QFileInfo info(QDir(folder), name);
    if (info.isFile() && info.isReadable()) return info.absoluteFilePath();
  }
  return QString();
}

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QString::fromLatin1(kHelpTitle));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  browser_ = new QTextBrowser(this);
  // Pages link to each other; the web's addresses go to the desktop's browser.
  browser_->setOpenExternalLinks(true);
  layout->addWidget(browser_, 1);

  auto* buttons = new QHBoxLayout;
  back_ = new QPushButton(QStringLiteral("&Back"), this);
  contents_ = new QPushButton(QStringLiteral("C&ontents"), this);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  for (QPushButton* button : {back_, contents_, close}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  layout->addLayout(buttons);
  back_->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(contents_, &QPushButton::clicked, this, &HelpViewer::ShowContents);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QString::fromLatin1(kHelpTitle)
                                   : QStringLiteral("%1 - %2").arg(QString::fromLatin1(kHelpTitle), title));
  });
  resize(560, 480);
}

void HelpViewer::ShowPage(const QString& path) {
  browser_->setSource(QUrl::fromLocalFile(path));
  contents_->setEnabled(!FindShippedFile(HelpContextPage(kHelpContents), HelpFolders()).isEmpty());
}

void HelpViewer::ShowContents() {
  const QString contents = FindShippedFile(HelpContextPage(kHelpContents), HelpFolders());
  if (!contents.isEmpty()) browser_->setSource(QUrl::fromLocalFile(contents));
}

QString FindHelpPage(MessageBoxes& boxes, const QString& pageName) {
  const QStringList folders = HelpFolders();
  const QString path = FindShippedFile(pageName, folders);
  if (path.isEmpty()) {
    QStringList shown;
    for (const QString& folder : folders) shown << QDir::toNativeSeparators(folder);
    boxes.Show(
        QStringLiteral("Help page missing"),
        QStringLiteral("The help page %1 was not found in:\n%2").arg(pageName, shown.join(QLatin1Char('\n'))),
        MsgType::kWarning, MsgButtons::kOk);
  }
  return path;
}

HelpViewer* ShowHelpPage(MessageBoxes& boxes, QWidget& owner, const QString& pageName) {
  const QString path = FindHelpPage(boxes, pageName);
  if (path.isEmpty()) return nullptr;
  auto* viewer = owner.findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
  if (!viewer) viewer = new HelpViewer(&owner);
  viewer->ShowPage(path);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
  return viewer;
}

}  // namespace penwick
