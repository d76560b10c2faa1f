#pragma once
// MessageDialogListener: hears the answer of a message dialog. It may delete
// the dialog from here (the dialog touches nothing of itself afterwards).

namespace Corvanta {

enum DialogAnswer { DIALOGANSWER_Ok = 0, DIALOGANSWER_Yes = 1, DIALOGANSWER_No = 2 };

class MessageDialogListener {
public:
  virtual ~MessageDialogListener() = default;
  virtual void OnDialogAnswer(int dialogIdentifier, int answer) = 0;
};

}  // namespace Corvanta
