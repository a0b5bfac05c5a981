#pragma once

#include <QCoreApplication>

namespace lx::check {

// The checker's help and messages, in the user's language.
struct CheckText {
    Q_DECLARE_TR_FUNCTIONS(CheckText)
};

} // namespace lx::check
