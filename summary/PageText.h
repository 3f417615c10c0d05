// A page being written: its text (UTF-8, lines ended by CR LF) and how many lines it has.
#pragma once

#include <string>
#include <string_view>

namespace scorlet::summary {

class PageText {
 public:
  // Appends text to the line being written.
  void Add(std::string_view text) { text_ += text; }
  // Appends text and ends the line.
  void Line(std::string_view text = {}) {
    text_ += text;
    text_ += "\r\n";
    ++lines_;
  }
  void Append(const PageText& other) {
    text_ += other.text_;
    lines_ += other.lines_;
  }
  const std::string& text() const { return text_; }
  int lines() const { return lines_; }
  bool empty() const { return text_.empty(); }

 private:
  std::string text_;
  int lines_ = 0;
};

}  // namespace scorlet::summary
