#include "app/frame_form.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <new>

#include "app/file_commands.h"
#include "app/frame_menus.h"
#include "app/recovery_offer.h"
#include "collections/boilerplate_keys.h"
#include "collections/bookmark_notes.h"
#include "editor/clipboard_commands.h"
#include "editor/edit_form.h"
#include "editor/line_printer.h"
#include "editor/recovery.h"
#include "editor/text_control.h"
#include "editor/update_lock.h"
#include "markup/html_commands.h"
#include "markup/tag_navigation.h"
#include "platform/file_io.h"

namespace penwick {

namespace {

constexpr int kDesignLeft = 4;
constexpr int kDesignTop = 108;
constexpr int kDesignWidth = 632;
constexpr int kDesignHeight = 254;

// The white cover panel; a click on it can only happen if it was left visible, and hides it.
class WhiteCover : public QWidget {
 public:
  explicit WhiteCover(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    hide();
  }

 protected:
  void mousePressEvent(QMouseEvent*) override { hide(); }
};

const char kMinimumWidthText[] =
    "When resizing Penwick, you cannot make it less wide than 590 pixels. This gives you a little room "
    "around "
    "it at 640x480. However, it prevents ikon drop-off and problems associated with that. It's not meant to "
    "be a post-it pad.\n\nTo not see this message again, press cancel.";

}  // namespace

TFrameForm::TFrameForm(Ui& ui, QString programFolder, QStringList arguments, QWidget* parent)
    : QMainWindow(parent),
      boxes_(ui),
      programFolder_(std::move(programFolder)),
      store_(programFolder_),
      arguments_(std::move(arguments)) {
  setWindowTitle(QStringLiteral("Penwick"));
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(8);
  if (QFontInfo(font).family() == QLatin1String("Arial")) setFont(font);

  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  mdi_ = new QMdiArea(central);
  mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
  Panel1_ = new WhiteCover(central);
  Panel1_->setObjectName(QStringLiteral("Panel1"));
  grid->addWidget(mdi_, 0, 0);
  grid->addWidget(Panel1_, 0, 0);
  setCentralWidget(central);

  keys_.Add(NumpadKeyRows());
  keys_.Add(BoilerplateKeyRows());
  keys_.Add(EditorKeyRows());
  keys_.Add(TagNavigationKeyRows());
  menus_ = new FrameMenus(*this);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &TFrameForm::OnSubWindowActivated);
  connect(qApp, &QGuiApplication::commitDataRequest, this, &TFrameForm::OnCommitData);
  run_.clipboardHasText = ClipboardHoldsText();
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
          [this] { run_.clipboardHasText = ClipboardHoldsText(); });

  setMinimumWidth(kMinimumWidth);
  setGeometry(kDesignLeft, kDesignTop, kDesignWidth, kDesignHeight);
  FormCreate();
  File1Click(*this);  // the reopen and direct-open items follow the lists just loaded
  menus_->Refresh();  // so do the items that follow settings (the user tools' keys work from the start)
}

TFrameForm::~TFrameForm() { qApp->removeEventFilter(this); }

void TFrameForm::FormCreate() {
  qApp->installEventFilter(this);
  firstActivation_ = true;
  store_.Load(settings_, switches_, boxes_);
  recovery_ = std::make_unique<Recovery>();
  // Without a folder for copies Penwick still runs; the first copy that cannot be written says why.
  recovery_->Begin(programFolder_);
  connect(recovery_.get(), &Recovery::WriteFailed, this,
          [this](const QString& error) { boxes_.ShowError(error); });
  recovery_->WatchSettings([this] {
    // Notes typed into a pad that is still open count too.
    if (bookmarkPad_) bookmarkPad_->KeepNotes();
    return store_.Snapshot(settings_, switches_);
  });
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens.append(screen->availableGeometry());
  setGeometry(FrameBounds(settings_, screens));
}

QRect FrameBounds(const Settings& settings, const QList<QRect>& screens) {
  const int width = settings.width != 0 ? std::max(settings.width, TFrameForm::kMinimumWidth) : kDesignWidth;
  const int height = settings.height != 0 ? settings.height : kDesignHeight;
  const QRect stored(settings.left, settings.top, width, height);
  const QRect design(kDesignLeft, kDesignTop, kDesignWidth, kDesignHeight);
  if (height <= 0 || screens.isEmpty()) return design;
  // The frame must fit the desktop and show at least its title bar's worth on one screen.
  QRect desktop;
  for (const QRect& screen : screens) desktop |= screen;
  if (width > desktop.width() || height > desktop.height()) return design;
  const bool shows = std::any_of(screens.cbegin(), screens.cend(), [&](const QRect& screen) {
    const QRect seen = stored.intersected(screen);
    return seen.width() >= 100 && seen.height() >= 30;
  });
  return shows ? stored : design;
}

void TFrameForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!firstActivation_) return;
  // First shown centred on the screen; the notice and the command line wait until the frame is up.
  if (QScreen* screen = this->screen()) {
    QRect frameRect = frameGeometry();
    frameRect.moveCenter(screen->availableGeometry().center());
    move(frameRect.topLeft());
  }
  QTimer::singleShot(0, this, &TFrameForm::FormActivate);
}

void TFrameForm::FormActivate() {
  if (!firstActivation_) return;
  firstActivation_ = false;
  run_.firstEditorOfRun = true;
  run_.removableDriveCheck = true;
  if (!settings_.noBugMsg) {
    if (boxes_.Show(QStringLiteral("Penwick's Minimum Width!"), QString::fromLatin1(kMinimumWidthText),
                    MsgType::kInformation, MsgButtons::kOkCancel) == MsgResult::kCancel) {
      settings_.noBugMsg = true;
    }
  }
  RunCommand([this] { OfferRecovery(*this); });
  HandleCommandLine();
}

void TFrameForm::HandleCommandLine() {
  const QStringList arguments = arguments_;
  arguments_.clear();
  const QString joined = arguments.join(QLatin1Char(' '));
  if (joined.isEmpty()) return;
  const QString start = QDir::currentPath();
  if (OpenCommandLineName(joined) || arguments.size() < 2) return;
  // Not one name with blanks in it: several names, as a shell that expanded a wildcard passes them. Each is
  // opened on its own.
  for (const QString& argument : arguments) {
    QDir::setCurrent(start);
    if (!argument.isEmpty()) OpenCommandLineName(argument);
  }
}

bool TFrameForm::OpenCommandLineName(const QString& name) {
  // A relative name is taken against the current directory; the name's folder becomes the current one.
  const QFileInfo info(QDir::current(), name);
  const QString folder = QDir::cleanPath(info.absolutePath());
  const QString pattern = info.fileName();
  QDir::setCurrent(folder);
  const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
  if (!pattern.contains(QLatin1Char('?')) && !pattern.contains(QLatin1Char('*'))) {
    const QString fileName = prefix + pattern;
    if (KindOfPath(fileName) == PathKind::kMissing) return false;
    // A name that cannot be opened says why.
    if (StartupOpen(fileName)) {
      settings_.lastOpen = fileName;
      settings_.lastFilter = 2;
    }
    return true;
  }
  const QStringList matches = QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
  for (const QString& match : matches) StartupOpen(prefix + match);
  settings_.lastOpen = matches.isEmpty() ? prefix : prefix + matches.last();
  settings_.lastFilter = 2;
  ShowCover(false);
  return true;
}

TEditForm* TFrameForm::CreateEditorWindow(bool rtfView) {
  ShowCover(true);
  run_.nextWindowNumber = static_cast<int>(EditorWindows().size()) + (rtfView ? 101 : 1);
  auto* editor = new TEditForm(*this);
  recovery_->Watch(*editor);
  connect(editor, &TEditForm::StatusBarClicked, this,
          [this](int number) { RunCommand([&] { ShiftWindow(number); }); });
  QMdiSubWindow* window = mdi_->addSubWindow(editor);
  // The sub-window's own system menu closes on the platform's Close keys (Ctrl+W here, Ctrl+F4 and Ctrl+W
  // on Windows), which are the keys of menu items: two owners make the key do nothing at all. Closing is
  // the File menu's item, so the system menu keeps its items without keys.
  if (QMenu* systemMenu = window->systemMenu()) {
    for (QAction* action : systemMenu->actions()) action->setShortcuts({});
  }
  editor->showMaximized();
  editor->Editor()->setFocus();
  return editor;
}

TEditForm* TFrameForm::StartupOpen(const QString& fileName) {
  if (!CheckOpenable(boxes_, fileName)) return nullptr;
  TEditForm* editor = CreateEditorWindow();
  editor->Load(fileName);
  ShowCover(false);
  return editor;
}

void TFrameForm::OpenRtfView(const QString& fileName) {
  if (!CheckOpenable(boxes_, fileName)) return;
  TEditForm* view = CreateEditorWindow(true);
  // The recent-files list already holds the working copy's name.
  view->Load(fileName, TEditForm::LoadKind::kDirectOpen);
  ShowCover(false);
}

void TFrameForm::New1Click() {
  TEditForm* editor = CreateEditorWindow();
  editor->setWindowTitle(QString::fromLatin1(kNewFile));
  editor->SetNumber(editor->Number());
  ShowCover(false);
}

void TFrameForm::Exit1Click() { close(); }

void TFrameForm::ShiftWindow(int number) {
  const std::vector<TEditForm*> editors = EditorWindows();
  const int k = number % 100;
  const int target = k < static_cast<int>(editors.size()) ? k + 1 : 1;
  UpdateLock lock(this);
  for (TEditForm* editor : editors) {
    if (editor->Number() % 100 == target) {
      mdi_->setActiveSubWindow(editor);
      break;
    }
  }
}

std::vector<TEditForm*> TFrameForm::EditorWindows() const {
  std::vector<TEditForm*> editors;
  for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    auto* editor = qobject_cast<TEditForm*>(window);
    if (editor && !editor->IsClosed()) editors.push_back(editor);
  }
  std::stable_sort(editors.begin(), editors.end(),
                   [](TEditForm* a, TEditForm* b) { return a->Number() % 100 < b->Number() % 100; });
  return editors;
}

TEditForm* TFrameForm::ActiveEditor() const {
  auto* editor = qobject_cast<TEditForm*>(mdi_->activeSubWindow());
  return editor && !editor->IsClosed() ? editor : nullptr;
}

void TFrameForm::ShowCover(bool shown) {
  Panel1_->setVisible(shown);
  if (shown) Panel1_->raise();
}

void TFrameForm::OnSubWindowActivated(QMdiSubWindow* window) {
  auto* editor = qobject_cast<TEditForm*>(window);
  if (editor && !editor->IsClosed()) {
    if (editor != lastActive_) {
      // The window left behind closes its Find and Replace dialogs.
      if (lastActive_ && !lastActive_->IsClosed()) lastActive_->FormDeactivate();
      editor->FormActivate();
    }
    lastActive_ = editor;
  }
  menus_->ShowMenusFor(ActiveEditor() != nullptr);
}

// --- Edit menu, pop-up menu and printing ----------------------------------------------------------------

void TFrameForm::RefreshEditState() {
  if (menus_) menus_->RefreshEditState();
}

QMenu* TFrameForm::PopupMenu() { return menus_->Menu(MenuId::kPopup); }

LinePrinter& TFrameForm::Printer() {
  if (!printer_) printer_ = std::make_unique<QtLinePrinter>();
  return *printer_;
}

void TFrameForm::SetPrinter(std::unique_ptr<LinePrinter> printer) { printer_ = std::move(printer); }
void TFrameForm::Bookmarks1Click() {
  if (!bookmarkPad_) {
    auto activeEditor = [this] { return ActiveEditor(); };
    bookmarkPad_ = new TBMForm(*this, activeEditor, this);
    connect(bookmarkPad_->Memo1(), &QPlainTextEdit::textChanged, recovery_.get(),
            &Recovery::SettingsMayHaveChanged);
  }
  bookmarkPad_->show();
  bookmarkPad_->raise();
  bookmarkPad_->activateWindow();
}

TBMForm* TFrameForm::BookmarkPad() const { return bookmarkPad_; }

void TFrameForm::RunCommand(const std::function<void()>& command) {
  try {
    command();
    // Commands are where settings change; the recovery copy of them follows.
    if (recovery_) recovery_->SettingsMayHaveChanged();
  } catch (const std::bad_alloc&) {
    boxes_.ShowError(QStringLiteral("Out of memory"));
  } catch (const std::exception& error) {
    boxes_.ShowError(QString::fromLocal8Bit(error.what()));
  }
}

// --- Key filter -------------------------------------------------------------------------------------------

bool TFrameForm::eventFilter(QObject* watched, QEvent* event) {
  return AppMessage(watched, event) || QMainWindow::eventFilter(watched, event);
}

bool TFrameForm::AppMessage(QObject* target, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Tab || !(key->modifiers() & Qt::ControlModifier)) return false;
  TEditForm* editor = ActiveEditor();
  if (!editor || target != editor->Editor() || !editor->Editor()->hasFocus()) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    // Keep Ctrl+Tab from switching windows: the text control takes it.
    event->accept();
    return true;
  }
  // Ctrl+Tab in the text arrives as a plain Tab with the tab-insert request set.
  run_.tabInsertRequest = true;
  editor->Editor()->SendKey(Qt::Key_Tab, key->modifiers() & ~Qt::ControlModifier, QStringLiteral("\t"));
  return true;
}

}  // namespace penwick
