#pragma once

#include "DescriptionWindow.h"

namespace velk {

// Hides the register view while a file rebuilds or refills it, and shows
// it again however the work ends.
class RegisterViewHidden {
public:
    explicit RegisterViewHidden(DescriptionWindow& window) : window_(window) { window_.setRegisterViewVisible(false); }
    ~RegisterViewHidden() { window_.setRegisterViewVisible(true); }
    RegisterViewHidden(const RegisterViewHidden&) = delete;
    RegisterViewHidden& operator=(const RegisterViewHidden&) = delete;

private:
    DescriptionWindow& window_;
};

}  // namespace velk
