// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An exercise pack on the page: the published pack a student opened (its `.rbxpack` bytes),
// its exercises, each one's statement for the page to draw, its pictures, starter and visible
// tests, and the hand-in of the work the page kept. The page keeps the work itself (its
// storage); this handle only reads the pack and writes the hand-in, so it needs no session.

#include "course/Bundle.h"
#include "course/Pack.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace rungbox::wasm {

class WebCourse {
public:
    /// Opens the pack of the `.rbxpack` file `bytes` (8-bit text, one byte a character). A
    /// teacher's copy is opened as its students' copy: the page never holds a model solution
    /// or a hidden test. Answers "" when opened; otherwise why not, a problem a line, and the
    /// pack open before (if any) stays open.
    std::string open(const std::string& bytes);
    bool isOpen() const { return m_pack.has_value(); }
    /// Closes the pack open, if any, and forgets the work set.
    void close() {
        m_pack.reset();
        m_work.clear();
    }
    /// The open pack's id and title (UTF-8); empty while none is open.
    std::string packId() const;
    std::string packTitle() const;

    /// The exercises in the pack's order as JSON: [{"id", "title", "starter" (the starter's file
    /// name), "tests" (the visible tests' file name)}]; "[]" while no pack is open.
    std::string exercisesJson() const;
    /// The statement of exercise `id` as course::markdownJson; "[]" for an unknown id.
    std::string statementJson(const std::string& id) const;
    /// The bytes of the pack's file `path` (a statement's picture); empty for a path that is
    /// no file of the open pack (nothing outside the pack is ever read).
    std::string file(const std::string& path) const;

    /// The starter program's bytes of exercise `id`, its names file's bytes (empty without
    /// names) and its visible tests' script; empty for an unknown id.
    std::string starter(const std::string& id) const;
    std::string starterNames(const std::string& id) const;
    std::string tests(const std::string& id) const;

    /// Sets the work handed in for exercise `id`: its program's and names file's bytes, and
    /// what its visible tests gave (`runs` checks made, `passed` of `tests` in the last one;
    /// clamped to the hand-in's ranges). False for an id not in the pack.
    bool setWork(const std::string& id, const std::string& program, const std::string& names,
                 int runs, int passed, int tests);
    /// Forgets the work set: every exercise is handed in as its starter, never checked.
    void clearWork() { m_work.clear(); }
    /// The hand-in (`.rbxsub`) of every exercise of the pack: the work set, or the starter
    /// where none was set. Empty while no pack is open.
    std::string handinText() const;

private:
    const course::Exercise* exercise(const std::string& id) const;
    std::string fileOf(const std::string& path) const;

    std::optional<course::Pack> m_pack;
    std::map<std::string, course::HandedWork, std::less<>> m_work;
};

} // namespace rungbox::wasm
