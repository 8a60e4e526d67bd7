#include "qt/QtPeerFactory.h"

#include "qt/QtPlaceholder.h"

std::unique_ptr<QtPeer> QtPeerFactory::Make(TControl& control, QWidget* parent,
                                            QtPeerContext& context) const {
  for (const Maker& make : FMakers)
    if (std::unique_ptr<QtPeer> peer = make(control, parent, context)) return peer;
  return std::make_unique<QtPlaceholder>(control, parent, context);
}
