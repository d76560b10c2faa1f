// The broadcast of map events while listeners come and go.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/town/MapListenerList.h"

using namespace Corvanta;

namespace {

struct Probe : MapListener {
  Probe(std::vector<std::string>& log, std::string name) : Log(log), Name(std::move(name)) {}
  void OnMoneyChanged() override {
    Log.push_back(Name);
    if (Action) Action();
  }
  void OnVanBought(Office*) override { Log.push_back(Name + " van"); }
  std::vector<std::string>& Log;
  std::string Name;
  std::function<void()> Action;
};

class ListenerList : public ::testing::Test {
protected:
  std::vector<std::string> log;
  Probe a{log, "a"}, b{log, "b"}, c{log, "c"};
  MapListenerList list;
};

TEST_F(ListenerList, EventsReachListenersInRegistrationOrder) {
  list.Add(&b);
  list.Add(&a);
  list.Add(&c);
  list.Add(&a);  // once only
  list.Broadcast(&MapListener::OnMoneyChanged);
  EXPECT_EQ(log, (std::vector<std::string>{"b", "a", "c"}));
  EXPECT_EQ(list.GetCount(), 3);
}

TEST_F(ListenerList, AListenerRemovedDuringABroadcastHearsNoMoreOfIt) {
  list.Add(&a);
  list.Add(&b);
  list.Add(&c);
  a.Action = [&] { list.Remove(&b); };
  list.Broadcast(&MapListener::OnMoneyChanged);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "c"}));
  EXPECT_FALSE(list.Contains(&b));
  EXPECT_EQ(list.GetListeners(), (std::vector<MapListener*>{&a, &c}));
}

TEST_F(ListenerList, AListenerMayRemoveItselfAndTheListClosesUpAfterwards) {
  list.Add(&a);
  list.Add(&b);
  a.Action = [&] { list.Remove(&a); };
  list.Broadcast(&MapListener::OnMoneyChanged);
  list.Broadcast(&MapListener::OnMoneyChanged);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "b"}));
  EXPECT_EQ(list.GetCount(), 1);
}

TEST_F(ListenerList, AListenerAddedDuringABroadcastHearsOnlyLaterEvents) {
  list.Add(&a);
  a.Action = [&] {
    list.Add(&c);
    a.Action = nullptr;
  };
  list.Broadcast(&MapListener::OnMoneyChanged);
  EXPECT_EQ(log, std::vector<std::string>{"a"});
  list.Broadcast(&MapListener::OnMoneyChanged);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "a", "c"}));
}

TEST_F(ListenerList, EventsRaisedInsideEventsAreToldWholeFirst) {
  list.Add(&a);
  list.Add(&b);
  a.Action = [&] {
    a.Action = nullptr;
    list.Broadcast(&MapListener::OnVanBought, nullptr);
    list.Remove(&b);
  };
  list.Broadcast(&MapListener::OnMoneyChanged);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "a van", "b van"}));
  EXPECT_EQ(list.GetCount(), 1);
}

TEST_F(ListenerList, AnExceptionLeavesTheListUsable) {
  list.Add(&a);
  list.Add(&b);
  a.Action = [&] {
    list.Remove(&b);
    throw 1;
  };
  EXPECT_THROW(list.Broadcast(&MapListener::OnMoneyChanged), int);
  a.Action = nullptr;
  list.Broadcast(&MapListener::OnMoneyChanged);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "a"}));
}

}  // namespace
