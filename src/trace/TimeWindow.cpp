// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeWindow.h"

#include <algorithm>

namespace rungbox::trace {

double TimeWindow::endMs(const Recorder& recorder) {
    return recorder.empty() ? 0 : static_cast<double>(recorder.lastMs() + 1);
}

double TimeWindow::totalPixels(const Recorder& recorder) const {
    return (endMs(recorder) - static_cast<double>(recorder.firstMs())) / m_msPerPixel;
}

void TimeWindow::track(const Recorder& recorder, double width) {
    const auto first = static_cast<double>(recorder.firstMs());
    if (recorder.empty()) {
        m_fromMs = 0;
        m_follow = true;
    } else if (m_follow) {
        m_fromMs = std::max(first, endMs(recorder) - width * m_msPerPixel);
    }
    m_fromMs = std::max(m_fromMs, first);
}

void TimeWindow::zoomBy(double factor, const Recorder& recorder, double width,
                        std::optional<std::uint64_t> anchorMs) {
    const auto first = static_cast<double>(recorder.firstMs());
    const double maxMsPerPixel =
        std::max(kStartMsPerPixel, kFitShare * (endMs(recorder) - first) / width);
    const double next = std::clamp(m_msPerPixel * factor, kMinMsPerPixel, maxMsPerPixel);
    const double anchor =
        anchorMs ? static_cast<double>(*anchorMs) : m_fromMs + width * m_msPerPixel / 2;
    const double share = (anchor - m_fromMs) / (width * m_msPerPixel);
    m_msPerPixel = next;
    m_fromMs = std::max(first, anchor - share * width * next);
    m_follow = m_fromMs + width * next >= endMs(recorder);
}

void TimeWindow::fit(const Recorder& recorder, double width) {
    const auto first = static_cast<double>(recorder.firstMs());
    const double span = std::max(1.0, endMs(recorder) - first);
    m_msPerPixel = std::max(kMinMsPerPixel, span / width);
    m_fromMs = first;
    m_follow = true;
}

void TimeWindow::scrollTo(double pixels, const Recorder& recorder, bool follow) {
    m_fromMs = static_cast<double>(recorder.firstMs()) + std::max(0.0, pixels) * m_msPerPixel;
    m_follow = follow;
}

void TimeWindow::centre(std::uint64_t ms, const Recorder& recorder, double width) {
    m_fromMs = std::max(static_cast<double>(recorder.firstMs()),
                        static_cast<double>(ms) - width * m_msPerPixel / 2);
    m_follow = false;
}

} // namespace rungbox::trace
