#pragma once

// No test reads or writes the user's files: every test case runs with HOME and the XDG
// folders in a fresh temporary folder of its own, removed after it, so a case never sees
// what an earlier one (or an earlier run) kept.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

namespace test_home {

class FreshHome : public testing::EmptyTestEventListener {
public:
    // moved is called with the new home after every move (to point caches at it).
    explicit FreshHome(std::function<void(const std::string &)> moved = {})
        : moved_(std::move(moved)) {
        move();
    }
    ~FreshHome() override { remove(); }

    void OnTestStart(const testing::TestInfo &) override { move(); }

private:
    void move() {
        remove();
        std::string pattern =
            (std::filesystem::temp_directory_path() / "trivane-test-home-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        home_ = pattern;
        setenv("HOME", home_.c_str(), 1);
        for (const char *name :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"}) {
            const std::string sub = home_ + "/" + std::string(name).substr(4);
            setenv(name, sub.c_str(), 1);
        }
        if (moved_)
            moved_(home_);
    }
    void remove() {
        std::error_code ignored;
        if (!home_.empty())
            std::filesystem::remove_all(home_, ignored);
    }

    std::function<void(const std::string &)> moved_;
    std::string home_;
};

} // namespace test_home
