#pragma once
// The program's exception classes. Every unit raises its own class; all derive
// from E_Orv_Error so the window layer can show whatever a command lets through.
#include <stdexcept>
#include <string>

namespace orv {

class E_Orv_Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Errors that the original platform raised by itself: range checks, integer
// overflow, failed conversions and floating-point faults.
class ERangeError : public E_Orv_Error {
 public:
  ERangeError();
  using E_Orv_Error::E_Orv_Error;
};

class EIntOverflow : public E_Orv_Error {
 public:
  EIntOverflow();
  using E_Orv_Error::E_Orv_Error;
};

class EConvertError : public E_Orv_Error {
 public:
  using E_Orv_Error::E_Orv_Error;
  // "'abc' is not a valid integer value"
  static EConvertError NotInteger(const std::string& text);
};

class EOverflow : public E_Orv_Error {
 public:
  EOverflow();
  using E_Orv_Error::E_Orv_Error;
};

class EZeroDivide : public E_Orv_Error {
 public:
  EZeroDivide();
  using E_Orv_Error::E_Orv_Error;
};

class EInvalidOp : public E_Orv_Error {
 public:
  EInvalidOp();
  using E_Orv_Error::E_Orv_Error;
};

// A question that the end of the program closed before it was answered: the
// command that asked it stops without acting on an answer never given.
class EProgramEnding : public E_Orv_Error {
 public:
  EProgramEnding();
};

// A run-time error that the original stopped the program with; here it is
// raised so the program can report it and go on.
class ERunError : public E_Orv_Error {
 public:
  explicit ERunError(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

}  // namespace orv
