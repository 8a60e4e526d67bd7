#pragma once

#include "ui/Component.h"
#include "ui/Desktop.h"
#include "ui/Font.h"
#include "ui/Types.h"

#include <string>
#include <vector>

class TForm;

// A visible control: place, size, caption, font, visibility, and its parent.
// The control keeps every value itself and reports a real change to the desktop, once it has
// a peer there.
class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TControl* Parent() const { return FParent; }
  void SetParent(TControl* parent);
  const std::vector<TControl*>& Controls() const { return FControls; }

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  virtual int Width() const { return FWidth; }
  virtual int Height() const { return FHeight; }
  virtual void SetLeft(int value);
  virtual void SetTop(int value);
  virtual void SetWidth(int value);
  virtual void SetHeight(int value);
  // Place and size at once; a form takes its client size here.
  void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value);

  // The form this control lies on (itself for a form).
  TForm* ParentForm();
  // Visible here and in every parent.
  bool Showing() const;
  // Enabled here and in every parent.
  bool EnabledInTree() const;

  TNotifyEvent OnClick;
  // Runs OnClick; a push button or a click from the user ends up here.
  virtual void Click();

  bool HasPeer() const { return FHasPeer; }
  // Gives this control and its children a peer on the desktop (for a form: when it is loaded).
  void CreatePeers();

  std::optional<std::string> GetPropertyText(const std::string& name) const override;

protected:
  // Reports a change to the desktop when there is a peer.
  void Changed(Change what);
  // Called after the caption or the font changed; labels size themselves here.
  virtual void TextChanged() {}
  static Desktop& TheDesktop();

  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;

private:
  void MarkPeers(bool value);

  TControl* FParent = nullptr;
  std::vector<TControl*> FControls;
  bool FVisible = true;
  bool FEnabled = true;
  std::string FCaption;
  TFont FFont;
  TCursor FCursor = TCursor::crDefault;
  bool FHasPeer = false;
};
