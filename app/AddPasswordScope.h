#pragma once
// The component's add password for one add: set for the add, wiped on every
// way out, so that no later add (a drop, say) encrypts with it and no copy
// is left in the component.

#include "engine/ZipEngine.h"

#include <algorithm>
#include <string>
#include <utility>

class AddPasswordScope {
public:
    // Moved in, so that no copy is left behind.
    AddPasswordScope(TZipEngine &engine, std::string password) : engine_(engine)
    {
        engine_.AddPassword = std::move(password);
    }
    ~AddPasswordScope()
    {
        std::fill(engine_.AddPassword.begin(), engine_.AddPassword.end(), '\0');
        engine_.AddPassword.clear();
    }
    AddPasswordScope(const AddPasswordScope &) = delete;
    AddPasswordScope &operator=(const AddPasswordScope &) = delete;

private:
    TZipEngine &engine_;
};
