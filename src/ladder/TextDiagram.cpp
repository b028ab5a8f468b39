// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextDiagram.h"

#include "Labels.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace rungbox::ladder {

namespace {

using engine::OpCode;

constexpr int kMargin = 4;    // line number (3 digits) and a blank
constexpr int kCellChars = 8; // the boundary character and 7 of body
// The box stands in the output area's 15 characters: a 1-character input wire, the borders and
// a blank before the right rail.
constexpr int kBoxInterior = 11;

int xOf(int col) {
    return kMargin + kCellChars * col;
}

bool isWire(char c) {
    return c == '-' || c == '=';
}

// One rung being drawn: 2 text lines per grid row.
class Canvas {
public:
    // `rowLines`: 2 text lines per grid row, 3 when a name line stands above the labels.
    Canvas(const Layout& layout, const PowerFlow* flow, int rows, int rowLines)
        : m_flow(flow), m_width(xOf(layout.columns()) + 1), m_rowLines(rowLines),
          m_lines(static_cast<std::size_t>(rowLines * rows),
                  std::string(static_cast<std::size_t>(m_width), ' ')) {}

    // The first text line of grid row `row`, and its wire line (the last).
    int top(int row) const { return m_rowLines * row; }
    int wireLine(int row) const { return m_rowLines * row + m_rowLines - 1; }
    bool isWireLine(int line) const { return line % m_rowLines == m_rowLines - 1; }
    int rowLines() const { return m_rowLines; }

    char wire(int net) const { return m_flow != nullptr && m_flow->net(net) ? '=' : '-'; }

    char& at(int line, int x) {
        return m_lines[static_cast<std::size_t>(line)][static_cast<std::size_t>(x)];
    }
    void put(int line, int x, std::string_view text) {
        for (std::size_t i = 0; i < text.size() && x + static_cast<int>(i) < m_width; ++i) {
            at(line, x + static_cast<int>(i)) = text[i];
        }
    }
    // `text` centred in the `width` characters from x.
    void centre(int line, int x, int width, std::string_view text) {
        const int len = std::min(width, static_cast<int>(text.size()));
        put(line, x + (width - len) / 2, text.substr(0, static_cast<std::size_t>(len)));
    }
    void hline(int line, int x0, int x1, char c) {
        for (int x = x0; x <= x1; ++x) {
            if (at(line, x) == ' ' || isWire(at(line, x))) {
                at(line, x) = c;
            }
        }
    }

    const std::vector<std::string>& lines() const { return m_lines; }
    const PowerFlow* flow() const { return m_flow; }

private:
    const PowerFlow* m_flow;
    int m_width;
    int m_rowLines;
    std::vector<std::string> m_lines;
};

// A closed contact or energised coil has "*" before its label, also when the label carries the
// "!" of a problem.
std::string marked(const Element& el, bool active) {
    return (active ? "*" : "") + shownLabel(el);
}

// `name` cut to `width` characters: a longer one keeps its first width - 1 and ends in kCutMark.
std::string cut(std::string_view name, int width) {
    const auto room = static_cast<std::size_t>(width);
    if (name.size() <= room) {
        return std::string(name);
    }
    return std::string(name.substr(0, room - 1)) + kCutMark;
}

void drawContact(Canvas& canvas, const Element& el, bool active, const std::string& name) {
    const int x = xOf(el.cell.col);
    const int line = canvas.wireLine(el.cell.row);
    const char in = canvas.wire(el.inNet);
    const char out = canvas.wire(el.outNet);
    if (el.cell.col > 0) {
        canvas.hline(line, x, x, in);
    }
    if (el.kind == ElementKind::Link) {
        if (el.target < 0) {
            return; // nothing before it: a gap in the wire
        }
        const std::string text = "<" + std::to_string(el.targetLine) + ">";
        canvas.hline(line, x + 1, x + 7, out);
        canvas.hline(line, x + 1, x + 2, in);
        canvas.centre(line, x + 1, 7, text);
        return;
    }
    const std::string body = {in, in, '|', el.form.negated ? '/' : ' ', '|', out, out};
    canvas.put(line, x + 1, body);
    canvas.centre(line - 1, x + 1, 7, marked(el, active));
    if (!name.empty()) {
        canvas.centre(line - 2, x + 1, 7, cut(name, 7));
    }
}

// The mark inside a coil's brackets.
char coilMark(OpCode op) {
    switch (op) {
    case OpCode::OutNot:
        return '/';
    case OpCode::Difu:
        return '^';
    case OpCode::Difd:
        return 'v';
    case OpCode::Set:
        return 'S';
    case OpCode::Rset:
        return 'R';
    default:
        return ' ';
    }
}

void drawCoil(Canvas& canvas, const Element& el, bool active, const std::string& name) {
    const int x = xOf(el.cell.col) + 1;
    const int line = canvas.wireLine(el.cell.row);
    const char in = canvas.wire(el.inNet);
    const char out = canvas.flow() != nullptr && active ? '=' : '-';
    std::string body(15, in);
    std::fill(body.begin() + 9, body.end(), out);
    const char inner = coilMark(el.form.op);
    body[6] = '(';
    body[7] = inner;
    body[8] = ')';
    canvas.put(line, x, body);
    canvas.hline(line, x - 1, x - 1, in);
    canvas.centre(line - 1, x, 15, marked(el, active));
    if (!name.empty()) {
        canvas.centre(line - 2, x, 15, cut(name, 15));
    }
}

// `info`: the box's lines below its title (boxText).
void drawBox(Canvas& canvas, const Element& el, std::vector<std::string> info,
             const std::string& name) {
    const int x = xOf(el.cell.col) + 1;
    const int top = canvas.top(el.cell.row);
    const int bottom = top + canvas.rowLines() * el.cell.height - 1;
    const std::string title = shownLabel(el);
    // A word box's lines start after one blank: its input has no name beside them.
    const std::size_t indent = el.kind == ElementKind::Word ? 1 : 3;
    if (!name.empty()) {
        // The name fills the first line inside the box, above the pins and the set value.
        info.insert(info.begin(), cut(name, kBoxInterior));
    }
    const std::string border(kBoxInterior, '-');
    canvas.put(top, x + 1, "+" + border + "+");
    canvas.put(top, x + 2, title.substr(0, kBoxInterior));
    canvas.put(bottom, x + 1, "+" + border + "+");
    std::size_t next = 0;
    for (int line = top + 1; line < bottom; ++line) {
        std::string text(kBoxInterior, ' ');
        for (int p = 0; p < el.pinCount; ++p) {
            if (canvas.wireLine(el.pins[p].row) == line) {
                const char c = canvas.wire(el.pins[p].net);
                canvas.put(line, x, std::string(1, c));
                canvas.hline(line, x - 1, x - 1, c);
                text.replace(0, el.pins[p].name.size(), el.pins[p].name);
            }
        }
        if (next < info.size()) {
            const bool nameLine = next == 0 && !name.empty();
            const std::size_t at = nameLine ? 0 : indent;
            const std::string shown = info[next].substr(0, kBoxInterior - at);
            text.replace(at, shown.size(), shown);
            ++next;
        }
        canvas.put(line, x + 1, "|" + text + "|");
    }
}

void drawEnd(Canvas& canvas, const Element& el) {
    const int x = xOf(el.cell.col) + 1;
    const int line = canvas.wireLine(el.cell.row);
    std::string body(15, canvas.wire(el.inNet));
    body.replace(5, 5, "[END]");
    canvas.put(line, x, body);
    canvas.hline(line, x - 1, x - 1, body[0]);
}

// IL, ILC, JMP and JME: their tag on the wire, as END's.
void drawControl(Canvas& canvas, const Element& el, bool active) {
    const int x = xOf(el.cell.col) + 1;
    const int line = canvas.wireLine(el.cell.row);
    std::string body(15, canvas.wire(el.inNet));
    const std::string tag = "[" + marked(el, active) + "]";
    const std::size_t at = tag.size() < body.size() ? (body.size() - tag.size()) / 2 : 0;
    body.replace(at, std::min(tag.size(), body.size()), tag.substr(0, body.size()));
    canvas.put(line, x, body);
    canvas.hline(line, x - 1, x - 1, body[0]);
}

void drawVertical(Canvas& canvas, const Wire& wire, int lastCol) {
    if (wire.col0 == 0 || wire.col0 == lastCol) {
        return; // the rails are drawn whole
    }
    const int x = xOf(wire.col0);
    const int first = canvas.wireLine(wire.row0);
    const int last = canvas.wireLine(wire.row1);
    for (int line = first; line <= last; ++line) {
        const bool wireLine = canvas.isWireLine(line);
        const bool joins =
            wireLine && (isWire(canvas.at(line, x - 1)) || isWire(canvas.at(line, x + 1)) ||
                         isWire(canvas.at(line, x)));
        canvas.at(line, x) = joins || line == first || line == last ? '+' : '|';
    }
}

void trimRight(std::string& text) {
    text.erase(text.find_last_not_of(' ') + 1);
}

// The name of element `e`'s address in `names`, empty for none (or no names).
std::string nameOf(const Element& el, const names::NameTable* names) {
    if (names == nullptr || el.kind == ElementKind::Shift || el.kind == ElementKind::Link) {
        return {};
    }
    const auto address = operandAddress(el);
    return address ? names->nameOf(*address) : std::string();
}

// True when a word operand of `el` has a name in `names`.
bool wordsHaveNames(const Element& el, const names::NameTable* names) {
    for (int i = 0; names != nullptr && i < el.wordCount; ++i) {
        const auto address = wordNameAddress(el.words[i]);
        if (address && !names->nameOf(*address).empty()) {
            return true;
        }
    }
    return false;
}

bool rungHasNames(const Layout& layout, const Rung& rung, const names::NameTable* names) {
    return std::any_of(rung.elements.begin(), rung.elements.end(), [&](int e) {
        const Element& el = layout.elements()[static_cast<std::size_t>(e)];
        return !nameOf(el, names).empty() || wordsHaveNames(el, names);
    });
}

} // namespace

std::string textDiagram(const Layout& layout, const PowerFlow* flow,
                        const names::NameTable* names) {
    std::string out;
    const std::vector<Element>& elements = layout.elements();
    const int lastCol = layout.columns();
    bool firstRung = true;
    for (const Rung& rung : layout.rungs()) {
        if (!firstRung) {
            out += '\n';
        }
        firstRung = false;
        Canvas canvas(layout, flow, rung.rows, rungHasNames(layout, rung, names) ? 3 : 2);
        for (const Wire& wire : rung.wires) {
            if (wire.row0 == wire.row1) {
                canvas.hline(canvas.wireLine(wire.row0), xOf(wire.col0), xOf(wire.col1),
                             canvas.wire(wire.net));
            }
        }
        for (const int e : rung.elements) {
            const Element& el = elements[static_cast<std::size_t>(e)];
            const bool active = flow != nullptr && flow->active(e);
            const std::string name = nameOf(el, names);
            switch (el.kind) {
            case ElementKind::Contact:
            case ElementKind::Link:
                drawContact(canvas, el, active, name);
                break;
            case ElementKind::Coil:
                drawCoil(canvas, el, active, name);
                break;
            case ElementKind::Timer:
            case ElementKind::Counter:
            case ElementKind::Shift:
            case ElementKind::Keep:
            case ElementKind::Word:
                drawBox(canvas, el, boxText(el, e, flow, names), name);
                break;
            case ElementKind::End:
                drawEnd(canvas, el);
                break;
            case ElementKind::Control:
                drawControl(canvas, el, active);
                break;
            case ElementKind::Join:
            case ElementKind::Mark:
                break;
            }
        }
        for (const Wire& wire : rung.wires) {
            if (wire.col0 == wire.col1) {
                drawVertical(canvas, wire, lastCol);
            }
        }
        std::vector<std::string> lines = canvas.lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            lines[i][static_cast<std::size_t>(xOf(0))] = '|';
            lines[i][static_cast<std::size_t>(xOf(lastCol))] = '|';
        }
        if (!lines.empty()) {
            const std::string number = std::to_string(rung.firstLine);
            lines[static_cast<std::size_t>(canvas.wireLine(0))].replace(
                static_cast<std::size_t>(kMargin - 1) - number.size(), number.size(), number);
        }
        for (std::string& line : lines) {
            trimRight(line);
            out += line;
            out += '\n';
        }
        for (const int e : rung.marks) {
            const Element& el = elements[static_cast<std::size_t>(e)];
            out += std::string(kMargin, ' ') + markLine(el) + "\n";
        }
    }
    if (!layout.ended()) {
        out += std::string(kMargin, ' ') + "(no END)\n";
    }
    return out;
}

} // namespace rungbox::ladder
