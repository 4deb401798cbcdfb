#include "editor/scintilla_widget.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <algorithm>
#include <array>
#include <utility>

#include "editor/virtual_key.h"

namespace penwick {

namespace {

// Scintilla commands whose default keys stay: caret movement, selection, Return, Backspace, Delete, Tab.
constexpr std::array kKeptCommands = {
    QsciCommand::LineDown,
    QsciCommand::LineDownExtend,
    QsciCommand::LineDownRectExtend,
    QsciCommand::LineUp,
    QsciCommand::LineUpExtend,
    QsciCommand::LineUpRectExtend,
    QsciCommand::CharLeft,
    QsciCommand::CharLeftExtend,
    QsciCommand::CharLeftRectExtend,
    QsciCommand::CharRight,
    QsciCommand::CharRightExtend,
    QsciCommand::CharRightRectExtend,
    QsciCommand::WordLeft,
    QsciCommand::WordLeftExtend,
    QsciCommand::WordRight,
    QsciCommand::WordRightExtend,
    QsciCommand::VCHomeRectExtend,
    QsciCommand::LineEndRectExtend,
    QsciCommand::DocumentStart,
    QsciCommand::DocumentStartExtend,
    QsciCommand::DocumentEnd,
    QsciCommand::DocumentEndExtend,
    QsciCommand::PageUp,
    QsciCommand::PageUpExtend,
    QsciCommand::PageUpRectExtend,
    QsciCommand::PageDown,
    QsciCommand::PageDownExtend,
    QsciCommand::PageDownRectExtend,
    QsciCommand::LineScrollDown,
    QsciCommand::LineScrollUp,
    QsciCommand::Newline,
    QsciCommand::Delete,
    QsciCommand::DeleteBack,
    QsciCommand::Tab,
    QsciCommand::Backtab,
    QsciCommand::Cancel,
    QsciCommand::Home,
    QsciCommand::HomeExtend,
    // Not DeleteWordLeft and DeleteWordRight: Ctrl+Backspace deletes the line and Ctrl+Delete the selection.
};

QAccessibleInterface* PlainEditorAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("QsciScintillaBase") && object && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
  }
  return nullptr;
}

}  // namespace

void InstallCheapAccessibility() {
  // The newest factory wins; installing twice is harmless but pointless.
  QAccessible::removeFactory(PlainEditorAccessible);
  QAccessible::installFactory(PlainEditorAccessible);
}

ScintillaWidget::ScintillaWidget(QWidget* parent) : QsciScintilla(parent) {
  KeepOnlyMovementKeys();
  // Only the before-notifications: the others make QScintilla do work proportional to the document on
  // every keystroke. Penwick's change events are built on these.
  SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE));
}

void ScintillaWidget::KeepOnlyMovementKeys() {
  for (QsciCommand* command : standardCommands()->commands()) {
    if (std::find(kKeptCommands.begin(), kKeptCommands.end(), command->command()) == kKeptCommands.end()) {
      command->setKey(0);
      command->setAlternateKey(0);
    }
  }
  // Home goes to the first position of the line, not to its first non-blank character: that is where the
  // trailing-blank cleaning puts the caret as well. Where lines wrap at the window's edge (a viewing copy),
  // Home and End keep to the line shown.
  const std::pair<QsciCommand::Command, int> homeKeys[] = {
      {QsciCommand::HomeWrap, Qt::Key_Home},
      {QsciCommand::HomeWrapExtend, (Qt::SHIFT | Qt::Key_Home).toCombined()},
      {QsciCommand::LineEndWrap, Qt::Key_End},
      {QsciCommand::LineEndWrapExtend, (Qt::SHIFT | Qt::Key_End).toCombined()},
  };
  for (const auto& [command, key] : homeKeys) {
    if (QsciCommand* bound = standardCommands()->find(command)) {
      bound->setKey(key);
      bound->setAlternateKey(0);
    }
  }
}

QString ScintillaWidget::FilterTyped(const QString& text) {
  if (!keyHandler_) return text;
  QString left;
  left.reserve(text.size());
  for (QChar ch : text) {
    keyHandler_->EditorKeyPress(ch);
    if (!ch.isNull()) left += ch;
  }
  return left;
}

void ScintillaWidget::keyPressEvent(QKeyEvent* event) {
  keyModifiers_ = event->modifiers();
  if (keyHandler_ && keyHandler_->EditorKeyDown(VirtualKey(*event), event->modifiers())) {
    event->accept();
    return;
  }
  QString text = event->text();
  // Shift+Tab arrives as a back-tab key whose text varies by platform; it is a Tab character with Shift.
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) text = QStringLiteral("\t");
  if (text.isEmpty() || !keyHandler_) {
    QsciScintilla::keyPressEvent(event);
    return;
  }
  // A control character (Tab, Return, Backspace, Escape) passes the character handler too; when the handler
  // lets it through, the control acts on the key itself.
  if (text.size() == 1 && text.at(0).unicode() < 32) {
    QChar ch = text.at(0);
    keyHandler_->EditorKeyPress(ch);
    if (ch.isNull()) {
      event->accept();
      return;
    }
    QsciScintilla::keyPressEvent(event);
    return;
  }
  // Printable characters pass the character handler; what is left is typed by the control. A key held with
  // Ctrl types nothing (Ctrl with Alt stays: that is AltGr on some keyboards).
  if ((event->modifiers() & Qt::ControlModifier) && !(event->modifiers() & Qt::AltModifier)) {
    event->ignore();
    return;
  }
  if (text.at(0).isPrint() || text.at(0).isSurrogate()) {
    const QString left = FilterTyped(text);
    if (left.isEmpty()) {
      event->accept();
      return;
    }
    if (left != text) {
      QKeyEvent replaced(event->type(), event->key(), event->modifiers(), left, event->isAutoRepeat(),
                         static_cast<ushort>(event->count()));
      QsciScintilla::keyPressEvent(&replaced);
      event->setAccepted(replaced.isAccepted());
      return;
    }
  }
  QsciScintilla::keyPressEvent(event);
}

void ScintillaWidget::inputMethodEvent(QInputMethodEvent* event) {
  if (!keyHandler_ || event->commitString().isEmpty() || event->replacementLength() != 0) {
    QsciScintilla::inputMethodEvent(event);
    return;
  }
  // Characters from dead keys, compose sequences and input methods pass the same handler as typed ones.
  keyModifiers_ = Qt::NoModifier;
  // The control first takes away the composition it shows (by undoing it), so that what the handler types
  // is not undone with it.
  QInputMethodEvent endComposition;
  QsciScintilla::inputMethodEvent(&endComposition);
  const QString left = FilterTyped(event->commitString());
  QInputMethodEvent rest(event->preeditString(), event->attributes());
  rest.setCommitString(left);
  QsciScintilla::inputMethodEvent(&rest);
}

void ScintillaWidget::SendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  keyPressEvent(&press);
}

void ScintillaWidget::contextMenuEvent(QContextMenuEvent* event) {
  // Penwick's pop-up menu instead of QScintilla's own; from the keyboard it opens under the caret.
  QPoint at = event->globalPos();
  if (event->reason() == QContextMenuEvent::Keyboard) {
    const long pos = SendScintilla(SCI_GETCURRENTPOS);
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos));
    const QPoint caret(static_cast<int>(SendScintilla(SCI_POINTXFROMPOSITION, 0UL, pos)),
                       static_cast<int>(SendScintilla(SCI_POINTYFROMPOSITION, 0UL, pos) +
                                        SendScintilla(SCI_TEXTHEIGHT, static_cast<unsigned long>(line))));
    at = viewport()->mapToGlobal(caret);
  }
  event->accept();
  emit ContextMenuRequested(at);
}

QVariant ScintillaWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
  // QScintilla answers these by scanning back to the previous blank line (the whole document in a file
  // without blank lines); input methods only need the current line.
  switch (query) {
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
    case Qt::ImSurroundingText: {
      const long pos = SendScintilla(SCI_GETCURRENTPOS);
      const long anchor = SendScintilla(SCI_GETANCHOR);
      const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos));
      const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
      const long end = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
      if (query == Qt::ImSurroundingText) {
        QByteArray bytes(static_cast<int>(end - start), '\0');
        if (end > start) SendScintilla(SCI_GETTEXTRANGE, start, end, bytes.data());
        return QString::fromUtf8(bytes);
      }
      const long at = query == Qt::ImCursorPosition ? pos : std::clamp(anchor, start, end);
      QByteArray prefix(static_cast<int>(at - start), '\0');
      if (at > start) SendScintilla(SCI_GETTEXTRANGE, start, at, prefix.data());
      return static_cast<int>(QString::fromUtf8(prefix).size());
    }
    default:
      return QsciScintilla::inputMethodQuery(query);
  }
}

}  // namespace penwick
