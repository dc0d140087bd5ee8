// The report as a list of lines: the window's report view, or a plain list for the command line and tests.
#pragma once

#include <string>
#include <vector>

namespace mingshu::app {

class ReportView {
public:
    virtual ~ReportView() = default;
    virtual void clear() = 0;
    virtual void append(const std::string &line) = 0;
    virtual std::vector<std::string> lines() const = 0;
};

class LineReport : public ReportView {
public:
    void clear() override { lines_.clear(); }
    void append(const std::string &line) override { lines_.push_back(line); }
    std::vector<std::string> lines() const override { return lines_; }

private:
    std::vector<std::string> lines_;
};

} // namespace mingshu::app
