// Cross-check of the evaluator, with all its containment shortcuts and
// simplifications, against a plain evaluator over std::set of paths on random
// set graphs and random expressions (fixed seeds).
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>

#include "query/expression_evaluator.h"
#include "query/query_test_store.h"

namespace ovelin {
namespace {

using PathSet = std::set<std::string>;

struct ItemValues {
  std::optional<int> number;        // property N (NUMBER)
  std::optional<std::string> text;  // property T (STRING)
};

// A condition in structured form, printed as text and judged directly.
struct TestCondition {
  std::string word;
  std::function<bool(const ItemValues&)> admits;
};

struct Expr {
  char op = 0;  // 0 for a leaf
  std::string name;
  std::vector<TestCondition> conditions;
  std::unique_ptr<Expr> left;
  std::unique_ptr<Expr> right;
};

struct Graph {
  std::vector<std::string> sets;  // sets[0] is the root
  std::map<std::string, std::vector<std::string>> children;
  std::map<std::string, PathSet> own;                                // own items of each set
  std::map<std::string, ItemValues> values;                          // by path
  std::vector<std::pair<std::string, std::unique_ptr<Expr>>> views;  // a null expression: "#空集#"
};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int Pick(int count) { return static_cast<int>(random_() % static_cast<unsigned>(count)); }
  bool Chance(int percent) { return Pick(100) < percent; }

  Graph MakeGraph() {
    Graph graph;
    const int setCount = 4 + Pick(4);
    for (int i = 0; i < setCount; ++i) graph.sets.push_back("S" + std::to_string(i));
    for (int i = 1; i < setCount; ++i) {
      std::set<int> parents{Pick(i)};
      if (Chance(30)) parents.insert(Pick(i));
      for (int parent : parents) graph.children[graph.sets[parent]].push_back(graph.sets[i]);
    }
    const int pathCount = 10 + Pick(6);
    for (int p = 0; p < pathCount; ++p) {
      const std::string path = "file:///item/" + std::string(1, static_cast<char>(Chance(50) ? 'a' + p : 'A' + p));
      ItemValues values;
      if (Chance(75)) values.number = Pick(7);
      if (Chance(75)) values.text = std::string(1, "abmz"[Pick(4)]);
      graph.values[path] = values;
      for (const auto& set : graph.sets) {
        if (Chance(25)) graph.own[set].insert(path);
      }
    }
    graph.views.emplace_back("E0", nullptr);  // stored as "#空集#"
    for (int v = 0; v < 3; ++v) {
      graph.views.emplace_back("V" + std::to_string(v), MakeExpr(graph, 2, graph.views.size()));
    }
    return graph;
  }

  // A random expression over the graph's sets and the first `views` view sets.
  std::unique_ptr<Expr> MakeExpr(const Graph& graph, int depth, size_t views) {
    auto expr = std::make_unique<Expr>();
    if (depth == 0 || Chance(30)) {
      if (views > 0 && Chance(20)) {
        expr->name = graph.views[Pick(static_cast<int>(views))].first;
        return expr;
      }
      expr->name = graph.sets[Pick(static_cast<int>(graph.sets.size()))];
      const int conditions = Chance(50) ? 0 : 1 + Pick(2);
      for (int i = 0; i < conditions; ++i) expr->conditions.push_back(MakeCondition());
      return expr;
    }
    expr->op = "+-^"[Pick(3)];
    expr->left = MakeExpr(graph, depth - 1, views);
    expr->right = MakeExpr(graph, depth - 1, views);
    return expr;
  }

  TestCondition MakeCondition() {
    if (Chance(35)) return TextCondition();
    const int a = Pick(7);
    const int b = Pick(7);
    auto n = [](const ItemValues& v) { return v.number.value_or(0); };
    switch (Pick(8)) {
      case 0:
        return {"N=" + std::to_string(a), [=](const ItemValues& v) { return n(v) == a; }};
      case 1:
        return {"N!=" + std::to_string(a), [=](const ItemValues& v) { return n(v) != a; }};
      case 2:
        return {"N>" + std::to_string(a), [=](const ItemValues& v) { return n(v) > a; }};
      case 3:
        return {"N>=" + std::to_string(a), [=](const ItemValues& v) { return n(v) >= a; }};
      case 4:
        return {"N<" + std::to_string(a), [=](const ItemValues& v) { return n(v) < a; }};
      case 5:
        return {"N<=" + std::to_string(a), [=](const ItemValues& v) { return n(v) <= a; }};
      case 6:
        return {std::to_string(a) + "<N<=" + std::to_string(b),
                [=](const ItemValues& v) { return a < n(v) && n(v) <= b; }};
      default:
        return {std::to_string(b) + ">N>=" + std::to_string(a),
                [=](const ItemValues& v) { return n(v) < b && n(v) >= a; }};
    }
  }

  TestCondition TextCondition() {
    const std::string s(1, "abmz"[Pick(4)]);
    auto t = [](const ItemValues& v) { return v.text.value_or(""); };
    const std::string quoted = "\"" + s + "\"";
    switch (Pick(4)) {
      case 0:
        return {"T=" + quoted, [=](const ItemValues& v) { return t(v) == s; }};
      case 1:
        return {"T!=" + quoted, [=](const ItemValues& v) { return t(v) != s; }};
      case 2:
        return {"T<" + quoted, [=](const ItemValues& v) { return t(v) < s; }};
      default:
        return {"T>=" + quoted, [=](const ItemValues& v) { return t(v) >= s; }};
    }
  }

  // The text of an expression: parentheses where precedence needs them, and
  // now and then extra ones and spaces.
  std::string Print(const Expr& expr) {
    if (!expr.op) {
      std::string text = expr.name;
      for (const auto& condition : expr.conditions) text += " " + condition.word;
      if (Chance(10)) text = " " + text + " ";
      return Chance(15) ? "(" + text + ")" : text;
    }
    std::string left = Print(*expr.left);
    std::string right = Print(*expr.right);
    if (expr.op == '^' && expr.left->op && expr.left->op != '^') left = "(" + left + ")";
    if (expr.right->op && (expr.op == '^' || expr.right->op != '^')) right = "(" + right + ")";
    std::string text = left + expr.op + right;
    return Chance(10) ? "(" + text + ")" : text;
  }

 private:
  std::mt19937 random_;
};

// The plain meaning of expressions over a graph.
class NaiveEvaluator {
 public:
  explicit NaiveEvaluator(const Graph& graph) : graph_(graph) {}

  PathSet Evaluate(const Expr& expr) const {
    if (!expr.op) return Leaf(expr);
    const PathSet left = Evaluate(*expr.left);
    const PathSet right = Evaluate(*expr.right);
    PathSet result;
    for (const auto& path : left) {
      if (expr.op == '+' || (expr.op == '^') == (right.count(path) > 0)) result.insert(path);
    }
    if (expr.op == '+') result.insert(right.begin(), right.end());
    return result;
  }

 private:
  PathSet Leaf(const Expr& leaf) const {
    for (const auto& [name, view] : graph_.views) {
      if (name == leaf.name) return view ? Evaluate(*view) : PathSet{};
    }
    PathSet items;
    CollectSet(leaf.name, items);
    std::erase_if(items, [&](const std::string& path) {
      for (const auto& condition : leaf.conditions) {
        if (!condition.admits(graph_.values.at(path))) return true;
      }
      return false;
    });
    return items;
  }

  void CollectSet(const std::string& set, PathSet& items) const {
    if (auto own = graph_.own.find(set); own != graph_.own.end()) items.insert(own->second.begin(), own->second.end());
    if (auto childs = graph_.children.find(set); childs != graph_.children.end()) {
      for (const auto& child : childs->second) CollectSet(child, items);
    }
  }

  const Graph& graph_;
};

std::unique_ptr<CFileSetStore> BuildStore(const Graph& graph, Generator& generator) {
  std::vector<test::SetSpec> sets;
  for (const auto& name : graph.sets) {
    test::SetSpec set{name, {}, {}, {}};
    for (const auto& [parent, childs] : graph.children) {
      if (std::find(childs.begin(), childs.end(), name) != childs.end()) set.parents.push_back(parent);
    }
    if (auto own = graph.own.find(name); own != graph.own.end()) {
      for (const auto& path : own->second) {
        test::ItemSpec item{path.substr(path.size() - 1), path, {}};
        const ItemValues& values = graph.values.at(path);
        if (values.number) item.values.emplace_back("N", std::to_string(*values.number));
        if (values.text) item.values.emplace_back("T", *values.text);
        set.items.push_back(std::move(item));
      }
    }
    sets.push_back(std::move(set));
  }
  sets.front().definitions = {{"N", "NUMBER"}, {"T", "STRING"}};
  std::vector<test::ViewSpec> views;
  for (const auto& [name, expr] : graph.views) views.push_back({name, expr ? generator.Print(*expr) : "#空集#"});
  return test::MakeStore(sets, views);
}

PathSet PathsOf(const ItemList& items) {
  const auto paths = test::Paths(items);
  return PathSet(paths.begin(), paths.end());
}

TEST(RandomCrossCheck, EvaluatorAgreesWithPlainSetSemantics) {
  Generator generator(20240611);
  int checked = 0;
  int simplified = 0;
  for (int graphIndex = 0; graphIndex < 20; ++graphIndex) {
    const Graph graph = generator.MakeGraph();
    const auto store = BuildStore(graph, generator);
    const NaiveEvaluator naive(graph);
    for (int e = 0; e < 100; ++e) {
      const auto expr = generator.MakeExpr(graph, 1 + generator.Pick(4), graph.views.size());
      const std::string text = generator.Print(*expr);
      const auto result = EvaluateExpression(*store, text);
      ASSERT_TRUE(result) << text;
      const PathSet expected = naive.Evaluate(*expr);
      ASSERT_EQ(PathsOf(result->items), expected) << text << "\nnormalised: " << result->normalized;
      ASSERT_TRUE(std::is_sorted(result->items.begin(), result->items.end(), ComparePathLess)) << text;

      // The normalised text means the same as the expression it came from.
      const auto again = EvaluateExpression(*store, result->normalized);
      ASSERT_TRUE(again) << text << "\nnormalised: " << result->normalized;
      ASSERT_EQ(PathsOf(again->items), expected) << text << "\nnormalised: " << result->normalized;
      ++checked;
      simplified += result->normalized.size() < text.size();
    }
  }
  EXPECT_EQ(checked, 20 * 100);
  EXPECT_GT(simplified, checked / 10);  // the shortcuts were exercised, not bypassed
}

}  // namespace
}  // namespace ovelin
