#pragma once

#include <string>

// The base of every failure the program reports: it carries the text the error box shows.
class Exception {
public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  virtual ~Exception() = default;
  const std::string& Message() const { return FMessage; }

private:
  std::string FMessage;
};

// A value that does not fit the narrower or unsigned range it is converted to.
class ERangeError : public Exception {
public:
  ERangeError() : Exception("範囲ﾁｪｯｸｴﾗｰ") {}
};

// A signed 32-bit addition or subtraction whose result does not fit.
class EIntOverflow : public Exception {
public:
  EIntOverflow() : Exception("整数のｵｰﾊﾞｰﾌﾛｰ") {}
};

// An operation the windowing layer refuses in the object's current state.
class EInvalidOperation : public Exception {
public:
  using Exception::Exception;
};

// Thrown through every loop when the desktop session ends: nothing catches it but the
// application's outermost loop, so no handler, close path or error box runs on the way out.
struct SessionEnd {};
