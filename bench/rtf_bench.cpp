// RTF reading benchmark: a 10 MB document as word processors write it (font, colour and style tables,
// formatted runs in groups, code page and Unicode characters, lists, hyperlinks, pictures and tables) read
// by the RTF reader, against the command-line converter `unrtf --text` on the same file when it is
// installed. CPU time, median of interleaved runs. Run with `make bench`.

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_support.h"
#include "bench/cpu_time.h"
#include "editor/edit_form.h"
#include "platform/rtf_reader.h"

namespace {

using penwick::bench::CpuMs;
using penwick::bench::ProgramCpuMs;

constexpr qint64 kSize = 10'000'000;
constexpr int kRounds = 5;

const char kHeader[] =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff31507\\deff0\\deflang1033"
    "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
    "{\\f1\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial;}"
    "{\\f3\\fbidi \\froman\\fcharset2\\fprq2{\\*\\panose 05050102010706020507}Symbol;}"
    "{\\f43\\fbidi \\fswiss\\fcharset204\\fprq2 Arial Cyr;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue0;"
    "\\red0\\green128\\blue0;}\r\n"
    "{\\stylesheet{\\ql \\li0\\ri0\\sa200\\sl276\\slmult1\\widctlpar\\wrapdefault\\itap0 \\rtlch\\fcs1 "
    "\\af31507\\afs22\\alang1025 \\ltrch\\fcs0 \\f31506\\fs22\\lang1033\\snext0 \\sqformat \\spriority0 "
    "Normal;}"
    "{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}{\\s15\\ql \\li720 List Paragraph;}}\r\n"
    "{\\*\\listtable{\\list\\listtemplateid-1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 "
    "?;}{\\levelnumbers;}"
    "\\f3\\fi-360\\li720}{\\listname ;}\\listid1}}{\\*\\rsidtbl \\rsid1234567\\rsid7654321}\r\n"
    "{\\info{\\title Benchmark}{\\author Writer}{\\creatim\\yr2024\\mo3\\dy5\\hr10\\min2}}\r\n"
    "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\\widowctrl\\ftnbj\r\n"
    "{\\header \\pard\\plain Page header\\par}\r\n";

const char* const kWords[] = {
    "the",          "report",        "shows",
    "quarterly",    "results",       "for",
    "each",         "division",      "and",
    "region",       "with",          "growth",
    "in",           "sales",         "caf\\'e9",
    "na\\'efve",    "co\\'f6perate", "\\u1078\\'3f\\u1080\\'3f\\u1079\\'3f\\u1085\\'3f\\u1100\\'3f",
    "\\u8364\\'80", "budget",        "\\ldblquote plan\\rdblquote",
    "team"};

// A deterministic stream of choices.
class Choices {
 public:
  int Next(int n) {
    seed_ = seed_ * 1103515245u + 12345u;
    return static_cast<int>((seed_ >> 16) % static_cast<unsigned>(n));
  }

 private:
  unsigned seed_ = 7;
};

// A sentence in runs of one to six words, each run a group of its own formatting as word processors write.
void AppendSentence(QByteArray* rtf, Choices* choices) {
  const int words = 8 + choices->Next(12);
  for (int w = 0; w < words;) {
    switch (choices->Next(10)) {
      case 0:
        *rtf += "{\\rtlch\\fcs1 \\ab\\af31507 \\ltrch\\fcs0 \\b\\insrsid1234567 ";
        break;
      case 1:
        *rtf += "{\\rtlch\\fcs1 \\ai\\af31507 \\ltrch\\fcs0 \\i\\insrsid1234567 ";
        break;
      case 2:
        *rtf += "{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\cf3\\insrsid7654321 ";
        break;
      default:
        *rtf += "{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\insrsid1234567 ";
        break;
    }
    for (int run = 1 + choices->Next(6); run > 0 && w < words; --run, ++w) {
      *rtf += kWords[choices->Next(static_cast<int>(std::size(kWords)))];
      *rtf += w + 1 < words ? " " : ". ";
    }
    *rtf += '}';
  }
}

QByteArray MakeDocument() {
  QByteArray rtf;
  rtf.reserve(kSize + 100'000);
  rtf += kHeader;
  Choices choices;
  for (int n = 1; rtf.size() < kSize; ++n) {
    if (n % 40 == 0) {
      // A 3 by 3 table.
      for (int row = 0; row < 3; ++row) {
        rtf += "\\trowd \\irow" + QByteArray::number(row) +
               "\\ltrrow\\trgaph108\\trleft-108\\cellx3000\\cellx6000\\cellx9000\\pard\\plain \\ltrpar\\ql "
               "\\intbl\\wrapdefault\\itap0 ";
        for (int cell = 0; cell < 3; ++cell) {
          rtf += "{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\insrsid1234567 Cell " + QByteArray::number(n) +
                 '.' + QByteArray::number(row * 3 + cell) + "\\cell }";
        }
        rtf += "\\pard\\plain \\ltrpar\\intbl {\\trowd \\irow" + QByteArray::number(row) +
               "\\cellx3000\\cellx6000\\cellx9000\\row }\r\n";
      }
    } else if (n % 15 == 0) {
      rtf +=
          "{\\listtext\\pard\\plain\\ltrpar \\s15 \\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\f3\\insrsid1234567 "
          "\\'b7\\tab}"
          "\\pard\\plain \\ltrpar\\s15\\ql \\fi-360\\li720\\ri0\\sa200\\widctlpar\\ls1\\itap0 ";
      AppendSentence(&rtf, &choices);
      rtf += "\\par\r\n";
    } else {
      rtf +=
          "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\sa200\\sl276\\slmult1\\widctlpar\\wrapdefault\\itap0 "
          "\\rtlch\\fcs1 \\af31507\\afs22 \\ltrch\\fcs0 \\fs22 ";
      for (int s = 1 + choices.Next(4); s > 0; --s) AppendSentence(&rtf, &choices);
      if (n % 25 == 0) {
        rtf +=
            "{\\field{\\*\\fldinst {\\insrsid1234567  HYPERLINK \"http://www.example.com/\" }}"
            "{\\fldrslt {\\cs15\\ul\\cf2\\insrsid1234567 example site}}}";
      }
      if (n % 200 == 0) {
        rtf += "{\\*\\shppict{\\pict\\picw1000\\pich1000\\picwgoal567\\pichgoal567\\pngblip ";
        for (int i = 0; i < 64; ++i)
          rtf += "89504e470d0a1a0a0000000d4948445200000064000000640802000000ff80\r\n";
        rtf += "}}";
      }
      rtf += "{\\insrsid1234567 \\par }\r\n";
    }
  }
  rtf += "}\r\n";
  return rtf;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Reads the file and its RTF; returns CPU milliseconds and the length of the text read.
double ReadOnce(const QString& path, qsizetype* textLength) {
  const double start = CpuMs();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = file.readAll();
  const penwick::RtfDocument doc = penwick::ReadRtf(bytes);
  const double ms = CpuMs() - start;
  *textLength = penwick::RtfPlainText(doc).size();
  return ms;
}

}  // namespace

// Opens the file in a viewing copy of a real frame, as View in RTF mode does, and closes it again; returns
// the CPU milliseconds from the command until the window is drawn.
double ViewOnce(penwick::TFrameForm& frame, const QString& path) {
  const double start = CpuMs();
  frame.OpenRtfView(path);
  penwick::TEditForm* view = frame.ActiveEditor();
  if (!view) return -1;
  view->Editor()->repaint();
  QCoreApplication::processEvents();
  const double ms = CpuMs() - start;
  view->CloseApproved();
  QCoreApplication::processEvents();
  return ms;
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  penwick::bench::BenchProgram program(penwick::MsgResult::kOk, true, "[Settings]\r\nNoBugMsg=1\r\n",
                                       QSize(1000, 700));
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(QStringLiteral("bench.rtf"));
  const QByteArray rtf = MakeDocument();
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
  std::vector<double> ours;
  std::vector<double> theirs;
  std::vector<double> views;
  qsizetype textLength = 0;
  for (int round = 0; round < kRounds; ++round) {
    ours.push_back(ReadOnce(path, &textLength));
    views.push_back(ViewOnce(*program.frame, path));
    // unrtf runs in the temporary folder, where it writes the pictures it finds.
    if (!unrtf.isEmpty()) {
      theirs.push_back(ProgramCpuMs({QFile::encodeName(unrtf), "--text", QFile::encodeName(path)},
                                    QFile::encodeName(dir.path())));
    }
  }
  const double readerMs = Median(ours);
  std::printf("RTF reader: %.2f MB read in %.1f ms CPU (median of %d), %lld characters of text\n",
              rtf.size() / 1e6, readerMs, kRounds, static_cast<long long>(textLength));
  const double viewMs = Median(views);
  std::printf("viewing copy: %.1f ms CPU from View in RTF mode until drawn (median of %d)\n", viewMs,
              kRounds);
  if (theirs.empty() || std::count(theirs.begin(), theirs.end(), -1.0) > 0) {
    std::printf("unrtf: not run (install the unrtf package to compare)\n");
    return 0;
  }
  const double unrtfMs = Median(theirs);
  std::printf("unrtf --text: %.1f ms CPU (median of %d); the reader takes %.2f of its time (%s)\n", unrtfMs,
              kRounds, readerMs / unrtfMs, readerMs <= unrtfMs ? "at least as fast" : "SLOWER");
  std::printf("the viewing copy takes %.2f of unrtf's time (%s)\n", viewMs / unrtfMs,
              viewMs <= unrtfMs ? "at least as fast" : "SLOWER");
  return 0;
}
