#include "tessel/Exception.h"

#include "tessel/Log.h"

namespace Tessel {

void Exception::Print() const { PrintLog("error: %s\n", Message); }

void AssertionFailedException::Print() const {
  PrintLog("assertion failed(%s, %i): %s\n", SourceFile, Line, Message);
}

void AppendTrace(Exception& e, const char* where) {
  e.Trace += "    at ";
  e.Trace += where;
  e.Trace += '\n';
}

}  // namespace Tessel
