#include "markup/tag_navigation.h"

#include <QAction>
#include <QMenu>
#include <cstring>
#include <string_view>

#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kViewingCopyText[] =
    "This setting is for the working text copy files. This is a viewing copy only, You can print text w/o "
    "attributes. No clipboard use. And you cannot Save, Save As, or write text in this viewer.";

const char kChangerText[] =
    "The Changer writes well-formed elements, as HTML moves on to XHTML.\n\n"
    "Empty elements such as the line break are written with a space and a slash before the \">\" "
    "(<br />), every paragraph start gets its end (<p> and </p>), and all elements need their close.\n\n"
    "The setting holds only while Penwick runs; it is not stored in the settings file.\n\n"
    "Ctrl+numeric pad 1 gives Anchor with The Changer off and Link Element with it on; Ctrl+numeric pad 7 "
    "gives HTML Block with it off and Prolog with it on.";

const char kParagraphOnlyText[] =
    "With this item on, the Paragraph command writes a start and an end paragraph tag around the caret "
    "(<p> and </p>). Nothing else changes.\n\n"
    "Single paragraph tags already in the file are not closed for you: fix them by hand before you switch "
    "this on.\n\nThe setting holds only while Penwick runs.";

const char kLowerCaseText[] =
    "Earlier releases of Penwick typed tag names in upper case; XHTML names are lower case.\n\n"
    "All the tag content that is not inside double quotes is now converted to lower case. Quoted values, "
    "text between tags, comments, declarations (<!...>) and processing instructions (<?...?>) keep their "
    "case. The other XHTML conversions are still yours to make.\n\n"
    "A missing end quote or close-bracket gives strange case effects from there on: Undo takes the whole "
    "conversion back.";

void Inform(TEditForm& e, const char* caption, const char* text) {
  e.Frame().Boxes().Show(QString::fromLatin1(caption), QString::fromLatin1(text), MsgType::kInformation,
                         MsgButtons::kOk);
}

// Shared by both switches: a viewing copy only says what the switch is for.
void Toggle(TEditForm& e, bool& on, const char* caption, const char* explanation) {
  if (e.IsRtfView()) {
    Inform(e, "Setting The Changer", kViewingCopyText);
    return;
  }
  if (!on) Inform(e, caption, explanation);
  on = !on;
}

}  // namespace

void SkipclosestEndTag1Click(TEditForm& e) {
  TextControl& text = e.Text();
  const QByteArrayView doc = text.Utf8();
  const long from = text.ToByte(text.SelStart());
  if (from >= doc.size()) return;
  const void* hit = std::memchr(doc.data() + from, '>', static_cast<std::size_t>(doc.size() - from));
  if (!hit) return;
  text.SetSelStart(text.ToChar(static_cast<const char*>(hit) - doc.data() + 1));
}

void BackoverinnerStarttag1Click(TEditForm& e) {
  TextControl& text = e.Text();
  const QByteArrayView doc = text.Utf8();
  const long to = text.ToByte(text.SelStart());
  if (to <= 0) return;
  const std::size_t hit = std::string_view(doc.data(), static_cast<std::size_t>(to)).rfind('<');
  if (hit == std::string_view::npos) return;
  text.SetSelStart(text.ToChar(static_cast<long>(hit)));
}

void TheChanger1Click(TEditForm& e) { Toggle(e, e.Frame().Switches().changer, "The Changer", kChangerText); }

void paragraphonly1Click(TEditForm& e) {
  Toggle(e, e.Frame().Switches().paragraphOnly, "The Changer - Paragraph only", kParagraphOnlyText);
}

QByteArray LowerCaseTags(QByteArrayView utf8) {
  QByteArray out(utf8.data(), utf8.size());
  char* s = out.data();
  const qsizetype n = out.size();
  qsizetype i = 0;
  while (i < n) {
    const void* open = std::memchr(s + i, '<', static_cast<std::size_t>(n - i));
    if (!open) break;
    i = static_cast<const char*>(open) - s + 1;
    if (i < n && (s[i] == '!' || s[i] == '?')) continue;  // comment, declaration, processing instruction
    // Inside the tag up to its ">"; a ">" inside a quoted value ends the tag too.
    bool quoted = false;
    for (; i < n; ++i) {
      const char c = s[i];
      if (c == '>') {
        ++i;
        break;
      }
      if (c == '"') {
        quoted = !quoted;
      } else if (!quoted && c >= 'A' && c <= 'Z') {
        s[i] = static_cast<char>(c - 'A' + 'a');
      }
    }
  }
  return out;
}

void TagToLowerCase1Click(TEditForm& e) {
  TextControl& text = e.Text();
  if (text.IsEmpty()) return;
  Inform(e, "Making unquoted HTML tag content lower case.", kLowerCaseText);
  const QByteArrayView doc = text.Utf8();
  const QByteArray lowered = LowerCaseTags(doc);
  // Only the stretch from the first to the last changed byte is replaced: one undo step, no more memory.
  qsizetype first = 0;
  while (first < lowered.size() && lowered[first] == doc[first]) ++first;
  if (first < lowered.size()) {
    qsizetype last = lowered.size();
    while (lowered[last - 1] == doc[last - 1]) --last;
    text.ReplaceBytes(first, last, QByteArrayView(lowered).sliced(first, last - first));
    text.SetModified(true);
    e.SetModified(true);
  }
  text.SetSelStart(0);  // as after loading the text
}

std::vector<KeyRow> TagNavigationKeyRows() {
  const auto row = [](int key, Qt::KeyboardModifiers modifiers, void (*run)(TEditForm&, int)) {
    return KeyRow{KeyRow::Kind::kKey, key, 0, 9, modifiers, Qt::NoModifier, run, Access::kReads};
  };
  const auto skip = [](TEditForm& e, int) { SkipclosestEndTag1Click(e); };
  const auto back = [](TEditForm& e, int) { BackoverinnerStarttag1Click(e); };
  constexpr auto kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
  // Shift+. is ">" on most keyboards: the key arrives as either.
  return {row(Qt::Key_Period, Qt::ControlModifier, skip), row(Qt::Key_Period, kCtrlShift, back),
          row(Qt::Key_Greater, kCtrlShift, back)};
}

namespace {

bool ChangerOn(FrameLink& f) { return f.Switches().changer; }
bool ParagraphOnlyOn(FrameLink& f) { return f.Switches().paragraphOnly; }

// The keys are chords of the text (see TagNavigationKeyRows); the captions name them.
const MenuRow kEditRows[] = {
    {},
    {"SkipclosestEndTag1", "&Skip inner (nested) End tag\tCtrl+.", "", nullptr, SkipclosestEndTag1Click},
    {"BackoverinnerStarttag1", "&Back over inner (nested) Start tag\tCtrl+Shift+.", "", nullptr,
     BackoverinnerStarttag1Click},
};

const MenuRow kTagsetRows[] = {
    {"TagsetBackoverinnerStarttag1", "Back &over inner (nested) Start tag\tCtrl+Shift+.", "", nullptr,
     BackoverinnerStarttag1Click},
};

const MenuRow kXmlRows[] = {
    {"TheChanger1", "The &Changer (x-well-formed els)", "F8", nullptr, TheChanger1Click, ChangerOn},
    {"paragraphonly1", "&Paragraph only (well-formed)", "Shift+F8", nullptr, paragraphonly1Click,
     ParagraphOnlyOn},
};

const MenuRow kPopupRows[] = {
    {"PopupTheChanger1", "The Chan&ger\tF8", "", nullptr, TheChanger1Click, ChangerOn},
};

const MenuRow kTextRows[] = {
    {},
    {"TagToLowerCase1", "Tag content to lower case for xhtml", "", nullptr, TagToLowerCase1Click, nullptr,
     nullptr, Access::kWrites},
};

}  // namespace

void AddTagNavigationMenus(MenuBuilder& menus) {
  const std::vector<QAction*> edit = menus.AddRows(MenuId::kEdit, kEditRows);
  menus.AddExisting(MenuId::kTagset, edit[1]);
  menus.AddRows(MenuId::kTagset, kTagsetRows);
  menus.AddRows(MenuId::kXml, kXmlRows);
  menus.AddRows(MenuId::kText, kTextRows);
}

void AddChangerPopupItem(MenuBuilder& menus) { menus.AddRows(MenuId::kPopup, kPopupRows); }

}  // namespace penwick
