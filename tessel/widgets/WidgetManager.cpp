#include "tessel/widgets/WidgetManager.h"

#include "tessel/app/GameAppBase.h"

namespace Tessel {

WidgetManager::WidgetManager(GameAppBase* app) : TheApp(app) {
  if (TheApp) TheApp->AddInputListener(this);
}

WidgetManager::~WidgetManager() {
  if (TheApp) TheApp->RemoveInputListener(this);
}

}  // namespace Tessel
