#include "ui/qt_ui.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/history_input_dialog.h"

namespace penwick {

namespace {

QMessageBox::Icon IconFor(MsgType type) {
  switch (type) {
    case MsgType::kWarning:
      return QMessageBox::Warning;
    case MsgType::kError:
      return QMessageBox::Critical;
    case MsgType::kInformation:
      return QMessageBox::Information;
    case MsgType::kConfirmation:
      return QMessageBox::Question;
    case MsgType::kCustom:
      break;
  }
  return QMessageBox::NoIcon;
}

QStyle::StandardPixmap PixmapFor(QMessageBox::Icon icon) {
  switch (icon) {
    case QMessageBox::Warning:
      return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Critical:
      return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Question:
      return QStyle::SP_MessageBoxQuestion;
    default:
      return QStyle::SP_MessageBoxInformation;
  }
}

// Splits a word that is too wide on its own into pieces that fit; the last piece is returned unfinished so
// that following words can join it.
QString BreakWord(const QString& word, const QFontMetrics& metrics, int maxWidth, QStringList& lines) {
  QString rest = word;
  while (rest.size() > 1 && metrics.horizontalAdvance(rest) > maxWidth) {
    qsizetype length = 1;
    while (length < rest.size() && metrics.horizontalAdvance(rest.left(length + 1)) <= maxWidth) ++length;
    // Never split a surrogate pair.
    if (length < rest.size() && rest[length - 1].isHighSurrogate()) ++length;
    lines << rest.left(length);
    rest = rest.mid(length);
  }
  return rest;
}

// Where the dialog's initial folder and file come from: the file name's own folder if it has one.
void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request, const QStringList& qtFilters) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (!qtFilters.isEmpty()) {
    dialog.setNameFilters(qtFilters);
    const int index = std::clamp(request.filterIndex, 1, static_cast<int>(qtFilters.size()));
    dialog.selectNameFilter(qtFilters[index - 1]);
  }
  const QString fileName = QDir::fromNativeSeparators(request.fileName);
  const QFileInfo info(fileName);
  const QString folder = fileName.contains(QLatin1Char('/')) ? info.absolutePath() : request.folder;
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  if (!fileName.isEmpty()) dialog.selectFile(info.fileName());
}

// The open dialog that, asked to, offers to create a file typed by a name that does not exist yet; every
// other name goes through the dialog's own checks.
class OpenFileDialog : public QFileDialog {
 public:
  OpenFileDialog(QWidget* parent, const QString& caption, bool createPrompt)
      : QFileDialog(parent, caption), createPrompt_(createPrompt) {}

  void accept() override {
    const QStringList names = selectedFiles();
    if (createPrompt_ && names.size() == 1) {
      const QFileInfo info(names.first());
      if (!info.exists() && !info.fileName().isEmpty() && QFileInfo(info.absolutePath()).isDir()) {
        MessageDialog box(windowTitle(),
                          QStringLiteral("%1\nThis file does not exist.\nDo you want to create it?")
                              .arg(QDir::toNativeSeparators(info.absoluteFilePath())),
                          MsgType::kWarning, MsgButtons::kYesNo, this);
        box.exec();
        if (box.Result() == MsgResult::kYes) QDialog::accept();
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  bool createPrompt_;
};

FileDialogResult RunFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                               const QStringList& qtFilters) {
  FileDialogResult result;
  result.filterIndex = request.filterIndex;
  if (dialog.exec() != QDialog::Accepted) return result;
  for (const QString& name : dialog.selectedFiles()) result.fileNames << QFileInfo(name).absoluteFilePath();
  const qsizetype index = qtFilters.indexOf(dialog.selectedNameFilter());
  if (index >= 0) result.filterIndex = static_cast<int>(index) + 1;
  return result;
}

}  // namespace

QString BreakLines(const QString& text, const QFontMetrics& metrics, int maxWidth) {
  QString normalised = text;
  normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QStringList lines;
  for (const QString& paragraph : normalised.split(QLatin1Char('\n'))) {
    QString line;
    bool started = false;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
      if (started) {
        const QString joined = line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(joined) <= maxWidth) {
          line = joined;
          continue;
        }
        // The blank at a break goes, as in any word wrap.
        lines << line;
      }
      line = BreakWord(word, metrics, maxWidth, lines);
      started = true;
    }
    lines << line;
  }
  return lines.join(QLatin1Char('\n'));
}

QString QtNameFilter(const QString& row) {
  const qsizetype bar = row.indexOf(QLatin1Char('|'));
  QString caption = (bar < 0 ? row : row.left(bar)).trimmed();
  QStringList listed;
  QStringList patterns;
  if (bar >= 0) {
    for (const QString& part : row.mid(bar + 1).split(QLatin1Char(';'))) {
      const QString pattern = part.trimmed();
      if (pattern.isEmpty() || listed.contains(pattern)) continue;
      listed << pattern;
      patterns << (pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
    }
  }
  if (patterns.isEmpty()) patterns << QStringLiteral("*");
  // Qt takes the patterns from the parentheses that end the filter. When the caption ends with the same
  // patterns, they are written once, in Qt's form; otherwise they follow the caption.
  const qsizetype open = caption.lastIndexOf(QLatin1Char('('));
  if (open >= 0 && caption.endsWith(QLatin1Char(')'))) {
    const QString inside = caption.mid(open + 1, caption.size() - open - 2);
    QStringList shown = inside.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    shown.removeDuplicates();
    QStringList sortedShown = shown;
    QStringList sortedListed = listed;
    sortedShown.sort();
    sortedListed.sort();
    if (!sortedListed.isEmpty() && sortedShown == sortedListed) caption = caption.left(open);
  }
  // Qt keeps filters simplified; building them that way lets the chosen one be found again.
  return (caption + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')')).simplified();
}

QStringList QtNameFilters(const QStringList& filters) {
  QStringList result;
  for (const QString& filter : filters) result << QtNameFilter(filter);
  return result;
}

MessageDialog::MessageDialog(const QString& caption, const QString& text, MsgType type, MsgButtons buttons,
                             QWidget* parent)
    : QDialog(parent), icon_(IconFor(type)) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  auto* body = new QHBoxLayout;
  layout->addLayout(body);
  if (icon_ != QMessageBox::NoIcon) {
    auto* iconLabel = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel->setPixmap(style()->standardIcon(PixmapFor(icon_), nullptr, this).pixmap(size, size));
    body->addWidget(iconLabel, 0, Qt::AlignTop);
  }
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  const int maxWidth = screen ? screen->geometry().width() / 2 : 400;
  label_ = new QLabel(this);
  // Messages quote tags and file names; they must never be taken for markup.
  label_->setTextFormat(Qt::PlainText);
  label_->setText(BreakLines(text, label_->fontMetrics(), maxWidth));
  body->addWidget(label_, 1, Qt::AlignVCenter);

  const bool yesNo = buttons == MsgButtons::kYesNo || buttons == MsgButtons::kYesNoCancel;
  const bool ok = buttons == MsgButtons::kOk || buttons == MsgButtons::kOkCancel;
  const bool cancel = buttons == MsgButtons::kOkCancel || buttons == MsgButtons::kYesNoCancel;
  QPushButton* yesButton = yesNo ? AddButton(QStringLiteral("&Yes"), MsgResult::kYes, Qt::Key_Y) : nullptr;
  QPushButton* noButton = yesNo ? AddButton(QStringLiteral("&No"), MsgResult::kNo, Qt::Key_N) : nullptr;
  QPushButton* okButton = ok ? AddButton(QStringLiteral("OK"), MsgResult::kOk, Qt::Key_O) : nullptr;
  QPushButton* cancelButton =
      cancel ? AddButton(QStringLiteral("Cancel"), MsgResult::kCancel, Qt::Key_C) : nullptr;
  default_ = okButton ? okButton : yesButton;
  escape_ = cancelButton ? cancelButton : noButton ? noButton : okButton;

  auto* row = new QHBoxLayout;
  row->addStretch();
  int buttonWidth = 0;
  for (QPushButton* button : buttons_) buttonWidth = std::max(buttonWidth, button->sizeHint().width());
  for (QPushButton* button : buttons_) {
    button->setMinimumWidth(buttonWidth);
    row->addWidget(button);
  }
  row->addStretch();
  layout->addLayout(row);

  default_->setDefault(true);
  default_->setFocus();
  layout->activate();
  CentreOnScreen(*this, parent);
}

QPushButton* MessageDialog::AddButton(const QString& label, MsgResult result, Qt::Key letter) {
  auto* button = new QPushButton(label, this);
  letterButtons_.insert(letter, button);
  connect(button, &QPushButton::clicked, this, [this, result] {
    result_ = result;
    accept();
  });
  buttons_ << button;
  return button;
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
  // QDialog would reject on Escape, which here means the close box; Escape presses the escape button.
  if (event->matches(QKeySequence::Cancel)) {
    escape_->click();
    return;
  }
  // A button's first letter answers, with or without Alt and in either case, as in the system's boxes.
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (modifiers == Qt::NoModifier || modifiers == Qt::AltModifier) {
    if (QPushButton* button = letterButtons_.value(event->key())) {
      button->click();
      return;
    }
  }
  QDialog::keyPressEvent(event);
}

MsgResult QtUi::ShowMessage(const QString& caption, const QString& text, MsgType type, MsgButtons buttons) {
  MessageDialog box(caption, text, type, buttons, parent_);
  box.exec();
  return box.Result();
}

std::optional<QString> QtUi::AskWithHistory(const QString& caption, const QString& prompt,
                                            const QString& fieldText, const QStringList& items) {
  HistoryInputDialog dialog(caption, prompt, fieldText, items, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.FieldText();
}

std::optional<QString> QtUi::AskText(const QString& caption, const QString& prompt, const QString& value) {
  TextInputDialog dialog(caption, prompt, value, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Text();
}

FileDialogResult QtUi::AskOpenFiles(const FileDialogRequest& request, bool multiple) {
  const QStringList qtFilters = QtNameFilters(request.filters);
  OpenFileDialog dialog(parent_, request.caption, request.createPrompt);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  PrepareFileDialog(dialog, request, qtFilters);
  return RunFileDialog(dialog, request, qtFilters);
}

FileDialogResult QtUi::AskSaveFile(const FileDialogRequest& request) {
  const QStringList qtFilters = QtNameFilters(request.filters);
  QFileDialog dialog(parent_, request.caption);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Overwriting is confirmed by the dialog itself (DontConfirmOverwrite stays off).
  PrepareFileDialog(dialog, request, qtFilters);
  return RunFileDialog(dialog, request, qtFilters);
}

bool QtUi::SetupPrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

void QtUi::Beep() { QApplication::beep(); }

int QtUi::ExecModal(QDialog& dialog) { return dialog.exec(); }

}  // namespace penwick
