// The widget tree: attaching and detaching, drawing order, hit testing,
// sorting, updates that remove widgets under the loop, and deletion of
// widgets that are still in the tree.
#include <gtest/gtest.h>

#include "support/RecordingGraphicsDevice.h"
#include "tessel/Exception.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/widgets/WidgetManager.h"
#include "widgets/EventLog.h"

using namespace Tessel;
using Testing::EventLines;
using Testing::EventsOf;
using Testing::LoggingWidget;

namespace {

class WidgetTree : public testing::Test {
protected:
  WidgetTree() { Manager.SetSize(1024, 768); }
  LoggingWidget* Make(const char* name, float x = 0, float y = 0, float w = 100, float h = 100) {
    auto* widget = new LoggingWidget(name, Log, x, y, w, h);
    widget->LogsUpdates = true;
    return widget;
  }
  std::vector<std::string> ChildNames(const WidgetContainer& container) {
    std::vector<std::string> names;
    for (Widget* c = container.GetFirstChild(); c; c = c->GetNextSibling())
      names.push_back(static_cast<LoggingWidget*>(c)->Name);
    return names;
  }

  EventLines Log;
  WidgetManager Manager{nullptr};
};

// Counts its destruction.
struct CountedWidget : Widget {
  explicit CountedWidget(int& deletions) : Deletions(deletions) {}
  ~CountedWidget() override { ++Deletions; }
  int& Deletions;
};

}  // namespace

TEST_F(WidgetTree, AttachingCallsParentsBeforeChildrenAndDetachingChildrenFirst) {
  LoggingWidget* screen = Make("screen");
  LoggingWidget* button = Make("button");
  screen->AddChild(button);
  EXPECT_TRUE(Log.empty()) << "a detached tree attaches nothing";
  EXPECT_FALSE(button->IsAttached());

  Manager.AddChild(screen);
  EXPECT_EQ(Log, (EventLines{"screen attach", "button attach"}));
  EXPECT_EQ(button->GetManager(), &Manager);

  Log.clear();
  Manager.RemoveChild(screen);
  EXPECT_EQ(Log, (EventLines{"button detach", "screen detach"}));
  EXPECT_EQ(screen->GetParent(), nullptr);
  EXPECT_EQ(button->GetParent(), screen) << "the subtree stays together";
  EXPECT_FALSE(button->IsAttached());
  delete screen;
}

TEST_F(WidgetTree, RemovingAWidgetThatIsNotAChildIsIgnored) {
  LoggingWidget* a = Make("a");
  LoggingWidget* stranger = Make("stranger");
  Manager.AddChild(a);
  Log.clear();
  a->RemoveChild(stranger);
  Manager.RemoveChild(stranger);
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(Manager.GetChildCount(), 1);
  delete stranger;
}

TEST_F(WidgetTree, AddingAWidgetThatHasAParentMovesIt) {
  LoggingWidget* left = Make("left");
  LoggingWidget* right = Make("right");
  LoggingWidget* item = Make("item");
  Manager.AddChild(left);
  Manager.AddChild(right);
  left->AddChild(item);
  right->AddChild(item);
  EXPECT_EQ(left->GetChildCount(), 0);
  EXPECT_EQ(right->GetChildCount(), 1);
  EXPECT_EQ(item->GetParent(), right);
  EXPECT_TRUE(item->IsAttached());
}

TEST_F(WidgetTree, AContainerCannotBeAddedInsideItself) {
  LoggingWidget* outer = Make("outer");
  LoggingWidget* inner = Make("inner");
  outer->AddChild(inner);
  EXPECT_THROW(inner->AddChild(outer), AssertionFailedException);
  EXPECT_THROW(outer->AddChild(outer), AssertionFailedException);
  EXPECT_EQ(outer->GetParent(), nullptr);
  delete outer;
}

TEST_F(WidgetTree, ReorderingOperationsMoveWithinTheSiblings) {
  LoggingWidget *a = Make("a"), *b = Make("b"), *c = Make("c"), *d = Make("d");
  for (Widget* w : {static_cast<Widget*>(a), static_cast<Widget*>(b), static_cast<Widget*>(c), static_cast<Widget*>(d)})
    Manager.AddChild(w);
  Manager.BringToFront(a);
  EXPECT_EQ(ChildNames(Manager), (std::vector<std::string>{"b", "c", "d", "a"}));
  Manager.SendToBack(d);
  EXPECT_EQ(ChildNames(Manager), (std::vector<std::string>{"d", "b", "c", "a"}));
  Manager.MoveBefore(a, b);
  EXPECT_EQ(ChildNames(Manager), (std::vector<std::string>{"d", "a", "b", "c"}));
  Manager.MoveAfter(d, c);
  EXPECT_EQ(ChildNames(Manager), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Manager.GetLastChild(), d);
  EXPECT_EQ(d->GetPreviousSibling(), c);
}

TEST_F(WidgetTree, SortingIsStableByAscendingSortKey) {
  LoggingWidget *a = Make("a"), *b = Make("b"), *c = Make("c"), *d = Make("d");
  a->SortKey = 2;
  b->SortKey = 1;
  c->SortKey = 2;
  d->SortKey = 0;
  for (Widget* w : {static_cast<Widget*>(a), static_cast<Widget*>(b), static_cast<Widget*>(c), static_cast<Widget*>(d)})
    Manager.AddChild(w);
  Manager.SortChildren();
  EXPECT_EQ(ChildNames(Manager), (std::vector<std::string>{"d", "b", "a", "c"}));
  Manager.SortChildren([](const Widget* first, const Widget* second) { return first->SortKey - second->SortKey; });
  EXPECT_EQ(ChildNames(Manager), (std::vector<std::string>{"a", "c", "b", "d"}));
  EXPECT_EQ(Manager.GetChildCount(), 4);
}

// ---- hit testing

struct HitCase {
  float X, Y;
  const char* Expected;  // nullptr: nothing
};
void PrintTo(const HitCase& c, std::ostream* os) {
  *os << c.X << "," << c.Y << " hits " << (c.Expected ? c.Expected : "nothing");
}

class HitTesting : public WidgetTree, public testing::WithParamInterface<HitCase> {};

// back (0,0 200x200) holds inner (10,10 50x50); front (100,100 200x200) lies
// over back's corner; a see-through panel (400,0 200x200) holds a knob at
// (50,50 20x20); hidden (600,0 100x100) is invisible.
TEST_P(HitTesting, TheTopmostDeepestVisibleHitTestableWidgetIsHit) {
  LoggingWidget* back = Make("back", 0, 0, 200, 200);
  back->AddChild(Make("inner", 10, 10, 50, 50));
  Manager.AddChild(back);
  Manager.AddChild(Make("front", 100, 100, 200, 200));
  LoggingWidget* panel = Make("panel", 400, 0, 200, 200);
  panel->IsHitTestable = false;
  panel->AddChild(Make("knob", 50, 50, 20, 20));
  Manager.AddChild(panel);
  LoggingWidget* hidden = Make("hidden", 600, 0, 100, 100);
  Manager.AddChild(hidden);
  hidden->SetVisible(false);

  const HitCase& c = GetParam();
  Widget* hit = Manager.HitTest(c.X, c.Y);
  if (!c.Expected) {
    EXPECT_EQ(hit, nullptr);
  } else {
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(static_cast<LoggingWidget*>(hit)->Name, c.Expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Points, HitTesting,
                         testing::Values(HitCase{5, 5, "back"}, HitCase{20, 20, "inner"},
                                         HitCase{60, 60, "inner"},    // the right and bottom edges are inside
                                         HitCase{61, 60, "back"},     // just past the edge
                                         HitCase{150, 150, "front"},  // the later sibling is on top
                                         HitCase{300, 300, "front"},  // its own far corner
                                         HitCase{301, 300, nullptr}, HitCase{450, 20, nullptr},
                                         HitCase{460, 60, "knob"},   // children of a see-through panel are hit
                                         HitCase{650, 50, nullptr},  // invisible
                                         HitCase{-1, 0, nullptr}));

TEST_F(WidgetTree, AfterSendToBackTheOtherSiblingIsHit) {
  LoggingWidget* first = Make("first", 0, 0, 100, 100);
  LoggingWidget* second = Make("second", 50, 50, 100, 100);
  Manager.AddChild(first);
  Manager.AddChild(second);
  EXPECT_EQ(Manager.HitTest(75, 75), second);
  Manager.SendToBack(second);
  EXPECT_EQ(Manager.HitTest(75, 75), first);
}

// ---- updates

TEST_F(WidgetTree, AWidgetRemovingItselfDuringItsUpdateLeavesTheLoopIntact) {
  LoggingWidget *a = Make("a"), *b = Make("b"), *c = Make("c");
  Manager.AddChild(a);
  Manager.AddChild(b);
  Manager.AddChild(c);
  b->OnUpdateCalled = [&] {
    Manager.RemoveChild(b);
    Manager.DeleteLater(b);
  };
  Log.clear();
  Manager.Update(0.01f);
  EXPECT_EQ(Log, (EventLines{"a update", "b update", "b detach", "c update"}));
  Manager.Update(0.01f);
  EXPECT_EQ(Manager.GetChildCount(), 2);
}

TEST_F(WidgetTree, AWidgetRemovingItsNextSiblingsSkipsThemAndGoesOn) {
  LoggingWidget *a = Make("a"), *b = Make("b"), *c = Make("c"), *d = Make("d");
  for (Widget* w : {static_cast<Widget*>(a), static_cast<Widget*>(b), static_cast<Widget*>(c), static_cast<Widget*>(d)})
    Manager.AddChild(w);
  a->OnUpdateCalled = [&] {
    Manager.RemoveChild(a);
    Manager.RemoveChild(b);
    delete b;  // deleted at once, not through the list
    Manager.DeleteLater(a);
  };
  Log.clear();
  Manager.Update(0);
  EXPECT_EQ(EventsOf(Log, "c"), EventLines{"update"});
  EXPECT_EQ(EventsOf(Log, "d"), EventLines{"update"});
  EXPECT_EQ(EventsOf(Log, "b"), EventLines{"detach"}) << "b is never updated";
}

TEST_F(WidgetTree, MovingTheWidgetBeingUpdatedToTheFrontDoesNotSkipItsSiblings) {
  LoggingWidget *a = Make("a"), *b = Make("b"), *c = Make("c");
  Manager.AddChild(a);
  Manager.AddChild(b);
  Manager.AddChild(c);
  int calls = 0;
  a->OnUpdateCalled = [&] {
    if (calls++ == 0) Manager.BringToFront(a);
  };
  Log.clear();
  Manager.Update(0);
  EXPECT_EQ(EventsOf(Log, "b"), EventLines{"update"});
  EXPECT_EQ(EventsOf(Log, "c"), EventLines{"update"});
}

TEST_F(WidgetTree, InvisibleWidgetsAreUpdatedButNotDrawn) {
  Testing::RecordingGraphicsDevice device;
  Manager.GetCanvas().SetDevice(&device);
  struct Square : Widget {
    void OnDraw(Canvas& canvas) override { canvas.DrawImage(RectF{}, RectF{0, 0, 10, 10}, nullptr, 0xFF00FF00); }
    void OnUpdate(float) override { ++Updates; }
    int Updates = 0;
  };
  auto* outer = new Square;
  outer->SetRect(100, 50, 40, 40);
  auto* inner = new Square;
  inner->SetRect(5, 7, 10, 10);
  auto* hidden = new Square;
  hidden->SetVisible(false);
  outer->AddChild(inner);
  Manager.AddChild(outer);
  Manager.AddChild(hidden);
  Manager.Update(0);
  Manager.Draw();
  EXPECT_EQ(hidden->Updates, 1);
  ASSERT_EQ(device.Summary(), "quads:2");
  const Quad& second = device.Calls[0].Quads[1];
  EXPECT_FLOAT_EQ(second.Position[0].X, 105) << "a child is drawn in its parent's coordinates";
  EXPECT_FLOAT_EQ(second.Position[0].Y, 57);
  EXPECT_EQ(Manager.GetCanvas().GetTransform(), Transform2D()) << "the transform is restored after each child";
}

// ---- deletion

TEST_F(WidgetTree, DeletingAWidgetStillInTheTreeUnlinksIt) {
  LoggingWidget *a = Make("a"), *b = Make("b"), *c = Make("c");
  Manager.AddChild(a);
  Manager.AddChild(b);
  Manager.AddChild(c);
  delete b;
  EXPECT_EQ(ChildNames(Manager), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(c->GetPreviousSibling(), a);
  Manager.Update(0);
}

TEST_F(WidgetTree, AContainerDeletesTheChildrenItOwnsAndLetsGoOfTheOthers) {
  int deletions = 0;
  auto* screen = new Widget;
  screen->AddChild(new CountedWidget(deletions));
  screen->AddChild(new CountedWidget(deletions));
  CountedWidget shown(deletions);  // owned elsewhere, only shown here
  shown.IsOwnedByParent = false;
  screen->AddChild(&shown);
  Manager.AddChild(screen);
  delete screen;
  EXPECT_EQ(deletions, 2);
  EXPECT_EQ(shown.GetParent(), nullptr);
  EXPECT_FALSE(shown.IsAttached());
}

TEST_F(WidgetTree, RemovingAllChildrenWithDeletionDefersItPastTheFrame) {
  int deletions = 0;
  auto* screen = new Widget;
  screen->AddChild(new CountedWidget(deletions));
  Manager.AddChild(screen);
  Manager.AddChild(new CountedWidget(deletions));
  Manager.RemoveAllChildren(true, true);
  EXPECT_EQ(Manager.GetChildCount(), 0);
  EXPECT_EQ(deletions, 0) << "nothing goes before the update";
  EXPECT_EQ(Manager.GetPendingDeleteCount(), 3);
  Manager.Update(0);
  EXPECT_EQ(deletions, 2) << "the two counted widgets (and the screen)";
  EXPECT_EQ(Manager.GetPendingDeleteCount(), 0);
}

TEST_F(WidgetTree, RemovingAllChildrenLeavesTheInsidesOfAWidgetOwnedElsewhereAlone) {
  int deletions = 0;
  auto* dialog = new CountedWidget(deletions);  // kept by its screen between showings
  dialog->IsOwnedByParent = false;
  dialog->AddChild(new CountedWidget(deletions));
  auto* screen = new Widget;
  screen->AddChild(dialog);
  Manager.AddChild(screen);
  Manager.RemoveAllChildren(true, true);
  Manager.Update(0);
  EXPECT_EQ(deletions, 0);
  EXPECT_EQ(dialog->GetParent(), nullptr);
  EXPECT_EQ(dialog->GetChildCount(), 1) << "ready to be shown again";
  delete dialog;
  EXPECT_EQ(deletions, 2);
}

TEST_F(WidgetTree, RemovingAllChildrenOfADetachedContainerDeletesThemAtOnce) {
  int deletions = 0;
  Widget screen;
  screen.AddChild(new CountedWidget(deletions));
  screen.AddChild(new CountedWidget(deletions));
  screen.RemoveAllChildren(true, false);
  EXPECT_EQ(deletions, 2);
  EXPECT_EQ(screen.GetChildCount(), 0);
}

TEST_F(WidgetTree, TheManagerDeletesItsTreeAndItsDeleteListWhenItGoes) {
  int deletions = 0;
  {
    WidgetManager manager(nullptr);
    auto* screen = new Widget;
    screen->AddChild(new CountedWidget(deletions));
    manager.AddChild(screen);
    auto* queued = new CountedWidget(deletions);
    manager.DeleteLater(queued);
  }
  EXPECT_EQ(deletions, 2);
}

TEST_F(WidgetTree, ScreenAndLocalCoordinatesAddTheAncestorsPositions) {
  LoggingWidget* screen = Make("screen", 100, 50);
  LoggingWidget* panel = Make("panel", 10, 20);
  LoggingWidget* button = Make("button", 3, 4);
  screen->AddChild(panel);
  panel->AddChild(button);
  Manager.AddChild(screen);
  EXPECT_EQ(button->GetScreenPosition(), (Vector2{113, 74}));
  EXPECT_EQ(button->ScreenToLocal(120, 80), (Vector2{7, 6}));
  EXPECT_EQ(button->LocalToScreen(7, 6), (Vector2{120, 80}));
}

TEST(WidgetClasses, TheToolkitsClassesAreRegistered) {
  const ClassRecord* button = ClassRegistry::Find("ButtonBase");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Base, ClassRegistry::Find("Widget"));
  EXPECT_EQ(ClassRegistry::Find("Widget")->Base, ClassRegistry::Find("WidgetContainer"));
  EXPECT_EQ(ClassRegistry::Find("WidgetManager")->Base, ClassRegistry::Find("WidgetContainer"));
  EXPECT_EQ(ClassRegistry::Find("WidgetContainer")->Base, &Object::ClassInfo);
  WidgetManager manager(nullptr);
  EXPECT_TRUE(IsKindOf<WidgetContainer>(&manager));
  EXPECT_FALSE(IsKindOf<Widget>(&manager));
}
