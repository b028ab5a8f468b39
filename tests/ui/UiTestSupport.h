#pragma once

// Helpers of the window tests: a file dialog that answers from a script, typing into the grid
// with real key events, and drags with the button held.

#include "files/FileDialog.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <deque>
#include <optional>
#include <string>

namespace rungbox::test {

/// A file dialog that never opens: it records each call and answers with the next scripted
/// path, or as cancelled when none is left.
class RecordingFileDialog : public files::FileDialog {
public:
    std::deque<std::string> paths;
    int saves = 0;
    int opens = 0;

    std::optional<std::string> ShowSave(std::string_view, std::string_view) override {
        ++saves;
        return next();
    }
    std::optional<std::string> ShowOpen(std::string_view) override {
        ++opens;
        return next();
    }

private:
    std::optional<std::string> next() {
        if (paths.empty()) {
            return std::nullopt;
        }
        std::string path = paths.front();
        paths.pop_front();
        return path;
    }
};

/// Types `text` into `widget` key by key: letters, digits and blanks as their keys, '\n' as
/// Enter.
inline void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(widget, Qt::Key_Return);
        } else {
            QTest::keyClick(widget, c.toLatin1());
        }
    }
}

/// A mouse move over `widget` at `pos` with the left button held.
inline void dragTo(QWidget* widget, const QPoint& pos) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace rungbox::test
