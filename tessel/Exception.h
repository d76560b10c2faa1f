#pragma once
// Failures travel as exceptions. Each operation that matters catches the
// exception on its way out, appends one trace line naming itself and rethrows
// it, so the outer handler shows the path with the innermost operation first.

#include "tessel/Strings.h"

namespace Tessel {

class Exception {
public:
  Exception() = default;
  explicit Exception(const String& message) : Message(message) {}
  virtual ~Exception() = default;

  // Writes "error: <message>\n" to the log.
  virtual void Print() const;

  String Message;
  String Trace;
};

class ArgumentException : public Exception {
public:
  using Exception::Exception;
};

class AssertionFailedException : public Exception {
public:
  AssertionFailedException(const char* expression, const char* sourceFile, int line)
      : Exception(String(expression)), SourceFile(sourceFile), Line(line) {}

  // Writes "assertion failed(<file>, <line>): <expression>\n" to the log.
  void Print() const override;

  const char* SourceFile;
  int Line;
};

class GraphicsDeviceException : public Exception {
public:
  using Exception::Exception;
};

// Appends "    at <where>\n" to the trace (the caller rethrows).
void AppendTrace(Exception& e, const char* where);

}  // namespace Tessel

// Always compiled in: a failed assertion is a programming error reported with
// the expression's text, the source path and the line.
#define TESSEL_ASSERT(expression) TESSEL_ASSERT_AT(expression, __FILE__, __LINE__)

// For the framework's chief headers, whose reported source names and lines
// are fixed so that reports read the same whatever the file layout.
#define TESSEL_ASSERT_AT(expression, sourceFile, line)                                  \
  do {                                                                                  \
    if (!(expression)) throw ::Tessel::AssertionFailedException(#expression, sourceFile, line); \
  } while (0)

// Closes a try block of an operation that takes part in the trace:
//   try { ... } TESSEL_TRACE("Balance::Load")
#define TESSEL_TRACE(where)               \
  catch (::Tessel::Exception & traced_) { \
    ::Tessel::AppendTrace(traced_, where); \
    throw;                                \
  }
