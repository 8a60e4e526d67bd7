#include "shell/Main.h"

#include "system/Environment.h"
#include "ui/Checked.h"

// The five settings between the settings file and the main window's properties. The order of
// the reads and the writes is fixed: it decides which keys a failing step leaves untouched.

void TMainForm::LoadSettings() {
  SettingsFile = std::make_unique<TIniFile>(sys::CurrentDirectory() + "/gravlin.ini");
  FrontAtStart = SettingsFile->ReadBool("Indication", "Front", false);
  Label1->SetTag(SettingsFile->ReadInteger("Indication", "PColor", 0));
  SettingsInForce |= sbPColor;
  // The timer's interval is in force even when the stored one does not fit (it keeps its
  // designed 100), so Time is written back either way and a bad value is repaired.
  SettingsInForce |= sbTime;
  // A negative interval does not fit the timer: the range error ends start-up here.
  Timer1->SetInterval(
      CheckedRange<std::uint32_t>(SettingsFile->ReadInteger("Condition", "Time", 100)));
  Label6->SetTag(SettingsFile->ReadInteger("Condition", "Serch", 0));
  SettingsInForce |= sbSerch;
  Label5->SetTag(SettingsFile->ReadInteger("Indication", "Align", 3));
  SettingsInForce |= sbAlign;
  if (FrontAtStart)
    SetFront(true);
  else
    SetFormStyle(TFormStyle::fsNormal);
  SettingsInForce |= sbFront;
}

void TMainForm::SaveSettings() {
  if (!SettingsFile) return;
  if (SettingsInForce & sbFront) SettingsFile->WriteBool("Indication", "Front", Front());
  if (SettingsInForce & sbPColor) SettingsFile->WriteInteger("Indication", "PColor", PColor());
  if (SettingsInForce & sbTime)
    SettingsFile->WriteInteger("Condition", "Time", CheckedRange<std::int32_t>(Timer1->Interval()));
  if (SettingsInForce & sbSerch) SettingsFile->WriteInteger("Condition", "Serch", Serch());
  if (SettingsInForce & sbAlign) SettingsFile->WriteInteger("Indication", "Align", Align());
  SettingsFile.reset();
}
