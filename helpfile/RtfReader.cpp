#include "helpfile/RtfReader.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tessella::app {

namespace {

// Windows-1252 from 0x80 to 0x9F; the rest of the code page is Latin-1. Holes map to '?'.
constexpr char16_t kCp1252High[32] = {
    0x20AC, u'?',   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, u'?',   0x017D, u'?',   u'?',   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, u'?',   0x017E, 0x0178};

QChar FromCp1252(uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) return QChar(kCp1252High[byte - 0x80]);
    return QChar(char16_t{byte});
}

// Destinations whose content is never text to show.
const std::set<std::string>& SkippedDestinations() {
    static const std::set<std::string> names{"fonttbl",
                                             "stylesheet",
                                             "info",
                                             "pict",
                                             "header",
                                             "headerl",
                                             "headerr",
                                             "headerf",
                                             "footer",
                                             "footerl",
                                             "footerr",
                                             "footerf",
                                             "footnote",
                                             "listtable",
                                             "listoverridetable",
                                             "rsidtbl",
                                             "generator",
                                             "filetbl",
                                             "revtbl",
                                             "xmlnsbl",
                                             "latentstyles",
                                             "themedata",
                                             "colorschememapping",
                                             "datastore",
                                             "object",
                                             "fldinst",
                                             "pntext",
                                             "pntxta",
                                             "pntxtb",
                                             "bkmkstart",
                                             "bkmkend",
                                             "userprops",
                                             "docvar",
                                             "author",
                                             "operator",
                                             "title",
                                             "subject",
                                             "keywords",
                                             "comment",
                                             "doccomm",
                                             "company",
                                             "template",
                                             "mmathPr",
                                             "annotation",
                                             "atnid",
                                             "atnauthor",
                                             "private"};
    return names;
}

enum class Destination { Text, Skip, ColourTable };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int colour = 0;  // index in the colour table; 0 is the default colour
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int leftIndent = 0;  // twips
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::vector<int> tabStops;  // twips
};

struct State {
    CharState chr;
    ParaState para;
    int unicodeSkip = 1;  // \ucN: characters standing for each \u
    Destination dest = Destination::Text;
};

// Twips to document pixels (1440 twips per inch, 96 pixels per inch).
qreal Px(int twips) {
    return twips / 15.0;
}

class Parser {
  public:
    Parser(const QByteArray& rtf, QTextDocument& doc) : in_(rtf), doc_(doc), cursor_(&doc) {}

    void run() {
        doc_.clear();
        cursor_ = QTextCursor(&doc_);
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            switch (c) {
                case '{':
                    flush();
                    openGroup();
                    break;
                case '}':
                    flush();
                    closeGroup();
                    break;
                case '\\':
                    flush();
                    control();
                    break;
                case '\r':
                case '\n':
                    break;
                default:
                    character(FromCp1252(static_cast<uint8_t>(c)));
            }
        }
        flush();
    }

  private:
    static constexpr size_t kMaxDepth = 512;

    void openGroup() {
        pendingSkip_ = 0;
        if (stack_.size() >= kMaxDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(state_);
    }

    void closeGroup() {
        pendingSkip_ = 0;
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (state_.dest == Destination::ColourTable) endColourTable();
        if (stack_.empty()) return;  // a stray brace: keep reading
        state_ = stack_.back();
        stack_.pop_back();
    }

    // A character of text (literal, \'xx, \uN or a symbol).
    void character(QChar ch) {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        if (state_.dest == Destination::ColourTable) {
            if (ch == QLatin1Char(';')) endColourEntry();
            return;
        }
        if (state_.dest != Destination::Text) return;
        text_ += ch;
    }

    void control() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (std::isalpha(static_cast<unsigned char>(c))) return controlWord();
        ++pos_;
        switch (c) {
            case '\'': {
                const int hi = pos_ < in_.size() ? Hex(in_[pos_]) : -1;
                if (hi < 0) return;
                ++pos_;
                const int lo = pos_ < in_.size() ? Hex(in_[pos_]) : -1;
                if (lo < 0) return;  // half an escape stands for nothing
                ++pos_;
                character(FromCp1252(static_cast<uint8_t>(hi * 16 + lo)));
                return;
            }
            case '*':
                state_.dest = Destination::Skip;
                return;
            case '~':
                return character(QChar(0x00A0));
            case '_':
                return character(QChar(0x2011));
            case '-':
                return;  // optional hyphen
            case '\r':
            case '\n':
                return paragraph();
            default:
                return character(QLatin1Char(c));  // \\ \{ \} and the like
        }
    }

    static int Hex(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void controlWord() {
        std::string word;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])) &&
               word.size() < 32)
            word += in_[pos_++];
        std::optional<int> param;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            std::isdigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
            negative = true;
            ++pos_;
        }
        int64_t value = 0;
        bool digits = false;
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            value = std::min<int64_t>(value * 10 + (in_[pos_++] - '0'), INT32_MAX);
            digits = true;
        }
        if (digits) param = static_cast<int>(negative ? -value : value);
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word

        if (word == "u") return unicode(param.value_or(0));
        if (word == "bin") {
            pos_ = std::min<qsizetype>(in_.size(), pos_ + std::max(0, param.value_or(0)));
            return;
        }
        if (pendingSkip_ > 0) {  // a control word stands for one skipped character
            --pendingSkip_;
            return;
        }
        apply(word, param);
    }

    void unicode(int n) {
        // Values above 32767 are written as negative 16-bit numbers.
        const int code = n < 0 ? n + 65536 : n;
        const int skip = state_.unicodeSkip;
        pendingSkip_ = 0;
        if (code > 0 && code <= 0xFFFF) character(QChar(static_cast<char16_t>(code)));
        pendingSkip_ = skip;
    }

    void apply(const std::string& w, std::optional<int> param) {
        const bool on = !param || *param != 0;
        if (state_.dest == Destination::ColourTable) {
            const int v = std::clamp(param.value_or(0), 0, 255);
            if (w == "red") entry_.setRed(v), entryUsed_ = true;
            if (w == "green") entry_.setGreen(v), entryUsed_ = true;
            if (w == "blue") entry_.setBlue(v), entryUsed_ = true;
            return;
        }
        if (SkippedDestinations().count(w)) {
            state_.dest = Destination::Skip;
            return;
        }
        if (state_.dest == Destination::Skip) return;
        if (w == "colortbl") {
            state_.dest = Destination::ColourTable;
            colours_.clear();
            entry_ = QColor(0, 0, 0);
            entryUsed_ = false;
        } else if (w == "par" || w == "sect" || w == "page") {
            paragraph();
        } else if (w == "line") {
            character(QChar(QChar::LineSeparator));
        } else if (w == "tab") {
            character(QLatin1Char('\t'));
        } else if (w == "b") {
            state_.chr.bold = on;
        } else if (w == "i") {
            state_.chr.italic = on;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash") {
            state_.chr.underline = on;
        } else if (w == "ulnone") {
            state_.chr.underline = false;
        } else if (w == "fs") {
            state_.chr.halfPoints = param && *param > 0 ? std::min(*param, 2000) : 24;
        } else if (w == "cf") {
            state_.chr.colour = std::max(0, param.value_or(0));
        } else if (w == "plain") {
            state_.chr = CharState{};
        } else if (w == "pard") {
            state_.para = ParaState{};
        } else if (w == "ql") {
            state_.para.align = Qt::AlignLeft;
        } else if (w == "qc") {
            state_.para.align = Qt::AlignHCenter;
        } else if (w == "qr") {
            state_.para.align = Qt::AlignRight;
        } else if (w == "qj") {
            state_.para.align = Qt::AlignJustify;
        } else if (w == "li") {
            state_.para.leftIndent = std::clamp(param.value_or(0), -20000, 20000);
        } else if (w == "fi") {
            state_.para.firstIndent = std::clamp(param.value_or(0), -20000, 20000);
        } else if (w == "sb") {
            state_.para.spaceBefore = std::clamp(param.value_or(0), 0, 20000);
        } else if (w == "sa") {
            state_.para.spaceAfter = std::clamp(param.value_or(0), 0, 20000);
        } else if (w == "tx") {
            if (state_.para.tabStops.size() < 64)
                state_.para.tabStops.push_back(std::clamp(param.value_or(0), 0, 50000));
        } else if (w == "uc") {
            state_.unicodeSkip = std::clamp(param.value_or(1), 0, 16);
        } else if (w == "lquote") {
            character(QChar(0x2018));
        } else if (w == "rquote") {
            character(QChar(0x2019));
        } else if (w == "ldblquote") {
            character(QChar(0x201C));
        } else if (w == "rdblquote") {
            character(QChar(0x201D));
        } else if (w == "bullet") {
            character(QChar(0x2022));
        } else if (w == "endash") {
            character(QChar(0x2013));
        } else if (w == "emdash") {
            character(QChar(0x2014));
        } else if (w == "emspace" || w == "enspace" || w == "qmspace") {
            character(QLatin1Char(' '));
        }
        // Anything else changes nothing that this reader shows.
    }

    void endColourEntry() {
        // An entry without components is the default colour ("auto").
        colours_.push_back(entryUsed_ ? std::optional<QColor>(entry_) : std::nullopt);
        entry_ = QColor(0, 0, 0);
        entryUsed_ = false;
    }

    void endColourTable() {
        if (entryUsed_) endColourEntry();
    }

    void paragraph() {
        if (state_.dest != Destination::Text) return;
        flush();
        cursor_.setBlockFormat(blockFormat());
        cursor_.insertBlock();
    }

    QTextBlockFormat blockFormat() const {
        QTextBlockFormat f;
        f.setAlignment(state_.para.align);
        f.setLeftMargin(Px(state_.para.leftIndent));
        f.setTextIndent(Px(state_.para.firstIndent));
        f.setTopMargin(Px(state_.para.spaceBefore));
        f.setBottomMargin(Px(state_.para.spaceAfter));
        QList<QTextOption::Tab> tabs;
        // RTF measures tab stops from the margin, Qt from where the first line starts.
        const int lineStart = state_.para.leftIndent + state_.para.firstIndent;
        for (int t : state_.para.tabStops)
            if (t > lineStart) tabs << QTextOption::Tab(Px(t - lineStart), QTextOption::LeftTab);
        if (!tabs.isEmpty()) f.setTabPositions(tabs);
        return f;
    }

    QTextCharFormat charFormat() const {
        QTextCharFormat f;
        f.setFontWeight(state_.chr.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(state_.chr.italic);
        f.setFontUnderline(state_.chr.underline);
        f.setFontPointSize(state_.chr.halfPoints / 2.0);
        const size_t index = static_cast<size_t>(state_.chr.colour);
        if (index < colours_.size() && colours_[index]) f.setForeground(*colours_[index]);
        return f;
    }

    void flush() {
        if (text_.isEmpty()) return;
        cursor_.insertText(text_, charFormat());
        text_.clear();
        // A paragraph takes the properties in force where its text is written (and at \par).
        cursor_.setBlockFormat(blockFormat());
    }

    const QByteArray& in_;
    QTextDocument& doc_;
    QTextCursor cursor_;
    qsizetype pos_ = 0;
    State state_;
    std::vector<State> stack_;
    size_t overflow_ = 0;
    int pendingSkip_ = 0;
    QString text_;
    std::vector<std::optional<QColor>> colours_;
    QColor entry_{0, 0, 0};
    bool entryUsed_ = false;
};

}  // namespace

void RtfReader::Read(const QByteArray& rtf, QTextDocument& document) {
    Parser(rtf, document).run();
}

}  // namespace tessella::app
