#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TObject;
class TComponent;

// 24-bit colour, 0x00BBGGRR (red in the low byte).
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;
// System colours resolve on the desktop; they never collide with a 24-bit value.
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clWindow = 0x80000005;

using TNotifyEvent = std::function<void(TObject* sender)>;

enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

// Border icons as a bit set.
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

enum class TCursor { crDefault, crHandPoint };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

// Message box flags and results, as the program's boxes are described.
constexpr unsigned MB_OK = 0x0000;
constexpr unsigned MB_ICONSTOP = 0x0010;
constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
constexpr unsigned MB_ICONINFORMATION = 0x0040;
constexpr unsigned MB_SYSTEMMODAL = 0x1000;
constexpr unsigned MB_TASKMODAL = 0x2000;
constexpr int IDOK = 1;

// Text of the enumerations, as the scenario driver prints them.
const char* ToString(TFormStyle value);
const char* ToString(TBorderStyle value);
