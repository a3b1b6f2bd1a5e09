// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/error_guard.h"

#include "platform/core/app_info.h"
#include "platform/core/runtime_error.h"
#include "platform/forms/message_box.h"

#include <cstdio>
#include <cstdlib>
#include <new>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

int guardDepth = 0;

void endProgram(const RuntimeError &)
{
    // Nothing is ever saved, so there is nothing to tidy: leave at once, before any other handler can run.
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

ProgramEnd programEnd = endProgram;

void report(const RuntimeError &error)
{
    MsgBox(u"Run-time error '%1':\n\n%2"_s.arg(error.Number()).arg(error.Description()), MessageIcon::Critical,
           AppTitle());
    programEnd(error);
}

} // namespace

void setProgramEnd(ProgramEnd end)
{
    programEnd = end ? std::move(end) : ProgramEnd(endProgram);
}

void runHandler(const std::function<void()> &handler)
{
    struct Depth {
        Depth() { ++guardDepth; }
        ~Depth() { --guardDepth; }
    };
    if (guardDepth > 0) {
        const Depth inner;
        handler();
        return;
    }
    try {
        const Depth outer;
        handler();
    } catch (const RuntimeError &error) {
        report(error);
    } catch (const std::bad_alloc &) {
        report(RuntimeError(Error::OutOfMemory));
    }
}

} // namespace platform
