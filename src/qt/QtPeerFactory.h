#pragma once

#include "qt/QtPeer.h"
#include "qt/QtPeerContext.h"

#include <functional>
#include <memory>
#include <vector>

class TControl;
class QWidget;

// Makes the peer for a control by its kind. A kind is one peer class, constructed as
// Peer(Model&, QWidget* parent, QtPeerContext&), and one Register line.
class QtPeerFactory {
public:
  // A control gets the peer of the first registered kind it belongs to, so a derived kind must
  // be registered before its base.
  template <class Model, class Peer> void Register() {
    FMakers.push_back(
        [](TControl& control, QWidget* parent, QtPeerContext& context) -> std::unique_ptr<QtPeer> {
          auto* model = dynamic_cast<Model*>(&control);
          if (!model) return nullptr;
          return std::make_unique<Peer>(*model, parent, context);
        });
  }

  // The peer of a control; a plain placeholder at its bounds for a kind not registered.
  std::unique_ptr<QtPeer> Make(TControl& control, QWidget* parent, QtPeerContext& context) const;

private:
  using Maker = std::function<std::unique_ptr<QtPeer>(TControl&, QWidget*, QtPeerContext&)>;
  std::vector<Maker> FMakers;
};
