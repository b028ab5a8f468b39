// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatementDocument.h"

#include <QFontDatabase>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

namespace rungbox::ui {

namespace {

using course::Block;
using course::BlockKind;
using course::Span;
using course::Spans;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

class StatementBuilder {
public:
    StatementBuilder(QTextDocument& document, const course::FileSet& files)
        : m_document(document), m_files(files), m_cursor(&document) {}

    void add(const Block& block);

private:
    void startBlock(const QTextBlockFormat& format = {}, const QTextCharFormat& chars = {});
    void addSpans(const Spans& spans, QTextCharFormat base);
    void addPicture(const Span& span, const QTextCharFormat& format);
    void addList(const Block& block);
    void addTable(const Block& block);
    void addCode(const Block& block);
    QTextCharFormat codeFormat() const;

    QTextDocument& m_document;
    const course::FileSet& m_files;
    QTextCursor m_cursor;
    bool m_first = true; // the document's own first block is still empty
};

// A new block after the last one; the first block of the document is used as it is.
void StatementBuilder::startBlock(const QTextBlockFormat& format, const QTextCharFormat& chars) {
    if (m_first) {
        m_cursor.setBlockFormat(format);
        m_cursor.setBlockCharFormat(chars);
        m_first = false;
    } else {
        m_cursor.insertBlock(format, chars);
    }
}

QTextCharFormat StatementBuilder::codeFormat() const {
    QTextCharFormat format;
    format.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    format.setBackground(QColor(0xF0, 0xF0, 0xF0));
    return format;
}

void StatementBuilder::addPicture(const Span& span, const QTextCharFormat& format) {
    const std::string* bytes = m_files.find(span.picture);
    QImage image;
    if (bytes == nullptr || !image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                                                static_cast<int>(bytes->size()))) {
        m_cursor.insertText(text(span.text), format);
        return;
    }
    QUrl name;
    name.setScheme(kPackPictureScheme);
    name.setPath(text(span.picture));
    m_document.addResource(QTextDocument::ImageResource, name, image);
    QTextImageFormat picture;
    picture.setName(name.toString());
    picture.setWidth(std::min(image.width(), kMaxPictureWidth));
    picture.setToolTip(text(span.text));
    m_cursor.insertImage(picture);
}

void StatementBuilder::addSpans(const Spans& spans, QTextCharFormat base) {
    for (const Span& span : spans) {
        QTextCharFormat format = base;
        if (span.code) {
            format.merge(codeFormat());
        }
        if (span.strong) {
            format.setFontWeight(QFont::Bold);
        }
        if (span.emphasis) {
            format.setFontItalic(true);
        }
        if (!span.link.empty()) {
            format.setAnchor(true);
            format.setAnchorHref(text(span.link));
            format.setForeground(QColor(0x1A, 0x5F, 0xB4));
            format.setFontUnderline(true);
            format.setToolTip(text(span.link));
        }
        if (span.lineBreak) {
            m_cursor.insertText(QString(QChar::LineSeparator), format);
        }
        if (!span.picture.empty()) {
            addPicture(span, format);
        } else {
            m_cursor.insertText(text(span.text), format);
        }
    }
}

// Bullets are a list of the document's; numbers are written out, so that a list may start at
// any number.
void StatementBuilder::addList(const Block& block) {
    QTextListFormat format;
    format.setStyle(QTextListFormat::ListDisc);
    QTextList* list = nullptr;
    int number = block.level;
    for (const Spans& item : block.items) {
        if (block.kind == BlockKind::Numbers) {
            QTextBlockFormat indented;
            indented.setIndent(1);
            startBlock(indented);
            m_cursor.insertText(QString("%1. ").arg(number++));
        } else {
            startBlock();
            if (list == nullptr) {
                list = m_cursor.createList(format);
            } else {
                list->add(m_cursor.block());
            }
        }
        addSpans(item, {});
    }
}

void StatementBuilder::addTable(const Block& block) {
    if (block.rows.empty() || block.rows.front().empty()) {
        return;
    }
    startBlock();
    QTextTableFormat format;
    format.setCellPadding(4);
    format.setCellSpacing(0);
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(QColor(0xB0, 0xB0, 0xB0));
    format.setHeaderRowCount(1);
    const auto columns = static_cast<int>(block.rows.front().size());
    QTextTable* table = m_cursor.insertTable(static_cast<int>(block.rows.size()), columns, format);
    for (std::size_t r = 0; r < block.rows.size(); ++r) {
        QTextCharFormat chars;
        chars.setFontWeight(r == 0 ? QFont::Bold : QFont::Normal);
        for (int c = 0; c < columns && c < static_cast<int>(block.rows[r].size()); ++c) {
            m_cursor = table->cellAt(static_cast<int>(r), c).firstCursorPosition();
            addSpans(block.rows[r][static_cast<std::size_t>(c)], chars);
        }
    }
    m_cursor = table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
}

void StatementBuilder::addCode(const Block& block) {
    QTextBlockFormat format;
    format.setBackground(QColor(0xF0, 0xF0, 0xF0));
    format.setNonBreakableLines(true);
    std::string code = block.code;
    if (!code.empty() && code.back() == '\n') {
        code.pop_back();
    }
    for (const QString& line : text(code).split('\n')) {
        startBlock(format);
        m_cursor.insertText(line, codeFormat());
    }
}

void StatementBuilder::add(const Block& block) {
    switch (block.kind) {
    case BlockKind::Heading: {
        QTextBlockFormat format;
        format.setHeadingLevel(block.level);
        format.setTopMargin(block.level <= 2 ? 10 : 6);
        QTextCharFormat chars;
        chars.setFontWeight(QFont::Bold);
        chars.setProperty(QTextFormat::FontSizeAdjustment, std::max(0, 3 - block.level));
        startBlock(format, chars);
        addSpans(block.items.empty() ? Spans{} : block.items.front(), chars);
        break;
    }
    case BlockKind::Paragraph:
    case BlockKind::Quote: {
        QTextBlockFormat format;
        format.setTopMargin(4);
        QTextCharFormat chars;
        if (block.kind == BlockKind::Quote) {
            format.setIndent(1);
            chars.setForeground(QColor(0x55, 0x55, 0x55));
        }
        startBlock(format, chars);
        addSpans(block.items.empty() ? Spans{} : block.items.front(), chars);
        break;
    }
    case BlockKind::Bullets:
    case BlockKind::Numbers:
        addList(block);
        break;
    case BlockKind::Code:
        addCode(block);
        break;
    case BlockKind::Table:
        addTable(block);
        break;
    case BlockKind::Rule: {
        QTextBlockFormat format;
        format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                           QTextLength(QTextLength::PercentageLength, 100));
        startBlock(format);
        break;
    }
    }
}

} // namespace

void buildStatement(QTextDocument& document, const std::vector<course::Block>& blocks,
                    const course::FileSet& files) {
    document.clear();
    StatementBuilder builder(document, files);
    for (const Block& block : blocks) {
        builder.add(block);
    }
}

} // namespace rungbox::ui
