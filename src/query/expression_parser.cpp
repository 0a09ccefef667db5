// The single left-to-right operator-precedence pass: it parses the expression
// with three stacks (operators, syntax tree nodes, operand results) and evaluates
// each operand when it is read and each operator when it is reduced. A failure
// notes its cause and place in the context.
#include <string_view>
#include <vector>

#include "query/containment.h"
#include "query/evaluation_context.h"
#include "query/expression_faults.h"
#include "query/item_set_ops.h"
#include "query/simplifier.h"
#include "query/tokenizer.h"

namespace ovelin {
namespace {

enum class Relation { Push, Reduce, Close, Error };

int Row(char op) {
  switch (op) {
    case '+':
      return 0;
    case '-':
      return 1;
    case '^':
      return 2;
    case '(':
      return 3;
    default:
      return 4;  // ')'
  }
}

// Relation of the operator on top of the stack (row) to the incoming one (column).
Relation Precedence(char top, char incoming) {
  using enum Relation;
  static constexpr Relation kTable[5][5] = {
      /* +  */ {Reduce, Reduce, Push, Push, Reduce},
      /* -  */ {Reduce, Reduce, Push, Push, Reduce},
      /* ^  */ {Reduce, Reduce, Reduce, Push, Reduce},
      /* (  */ {Push, Push, Push, Push, Close},
      /* )  */ {Reduce, Reduce, Reduce, Error, Reduce},
  };
  return kTable[Row(top)][Row(incoming)];
}

bool IsBlank(std::string_view token) { return token.find_first_not_of(' ') == std::string_view::npos; }

// The result of a reduction, sparing the work where one operand contains the other.
ItemList ReduceResults(char op, const syntax_tee_node_struct* leftNode, const syntax_tee_node_struct* rightNode,
                       ItemList left, ItemList right, EvaluationContext& context) {
  if (Contained(leftNode, rightNode, context)) {
    if (op == '^') return left;
    if (op == '+') return right;
    return ItemList(std::string(kEmptySetName));
  }
  if (Contained(rightNode, leftNode, context)) {
    if (op == '^') return right;
    if (op == '+') return left;
  }
  return *ApplyOperator(std::move(left), op, std::move(right));
}

class ExpressionPass {
 public:
  explicit ExpressionPass(EvaluationContext& context) : context_(context) {}

  std::optional<ItemList> Run(std::string_view text, SyntaxTree& tree) {
    text_ = text;
    if (!Parse()) {
      // Past a work bound every step fails; the bound is the cause.
      if (context_.Exhausted()) context_.ReplaceFault({MessageId::ExpressionTooLarge});
      return std::nullopt;
    }
    tree = std::move(nodes_.back());
    return std::move(results_.back());
  }

 private:
  bool Parse() {
    if (text_.empty()) return Fail(MessageId::ExpressionEmpty);
    size_t pos = 0;
    for (std::string_view token = NextToken(text_, pos); !token.empty(); token = NextToken(text_, pos)) {
      if (!Step(token) || context_.Exhausted()) return false;
    }
    return Finish();
  }

  bool Step(std::string_view token) {
    // A run of spaces between an operator and a parenthesis separates nothing.
    if (IsBlank(token)) return true;
    if (token.size() == 1 && IsOperatorChar(token[0])) return Operator(token);
    return Operand(token);
  }

  // Notes the cause of the failure, at `at` (a view into the text) when given.
  bool Fail(MessageId reason, std::string_view at = {}, std::vector<std::string> values = {}) {
    context_.NoteFault({reason, at.data() ? CharacterPosition(text_, at) : 0, std::move(values)});
    return false;
  }

  bool FailOperand(std::string_view token) {
    context_.ReplaceFault(DiagnoseOperand(context_, text_, token));
    return false;
  }

  // Operands come after "(" or a binary operator (or first); operators after
  // an operand or ")". Anything else, such as A(B) or "A+", is a syntax error.
  bool Operand(std::string_view token) {
    if (!expectOperand_) return Fail(MessageId::OperatorMissing, token.substr(token.find_first_not_of(' ')));
    const auto operand = ParseOperand(token);
    if (!operand) return FailOperand(token);
    SyntaxTree node;
    auto items = EvaluateOperand(context_, *operand, node);
    if (!items) return FailOperand(token);
    if (!node) {
      node = MakeLeaf(token);
      context_.ChargeText(token.size());
    }
    results_.push_back(std::move(*items));
    nodes_.push_back(std::move(node));
    expectOperand_ = false;
    return true;
  }

  bool Operator(std::string_view token) {
    const char op = token[0];
    if (op == '(') {
      if (!expectOperand_) return Fail(MessageId::OperatorMissing, token);
      operators_.push_back(op);
      return true;
    }
    if (expectOperand_) return FailMissingOperand(token);
    if (op == ')') return CloseGroup(token);
    while (!operators_.empty()) {
      const Relation relation = Precedence(operators_.back(), op);
      if (relation == Relation::Push) break;
      if (relation != Relation::Reduce || !Reduce()) return false;
    }
    operators_.push_back(op);
    expectOperand_ = true;
    return true;
  }

  // An operator where an operand belongs: "()", "+A", "A+-B", "(^A)".
  bool FailMissingOperand(std::string_view token) {
    const bool emptyGroup = token[0] == ')' && !operators_.empty() && operators_.back() == '(';
    if (emptyGroup) return Fail(MessageId::EmptyParentheses, token);
    return Fail(MessageId::OperandMissing, token, {std::string(token)});
  }

  bool CloseGroup(std::string_view token) {
    while (!operators_.empty()) {
      const Relation relation = Precedence(operators_.back(), ')');
      if (relation == Relation::Close) {
        operators_.pop_back();
        WrapGroup(*nodes_.back());
        return true;
      }
      if (relation != Relation::Reduce || !Reduce()) return false;
    }
    return Fail(MessageId::UnopenedParenthesis, token);
  }

  // A closed group keeps its parentheses in the text unless it is a bare name.
  void WrapGroup(syntax_tee_node_struct& node) {
    const bool bareName = node.IsLeaf() && (!node.operand || node.operand->conditions.empty());
    if (bareName) return;
    node.text = "(" + node.text + ")";
    context_.ChargeText(2);  // the old text is released
  }

  bool Reduce() {
    if (operators_.empty() || nodes_.size() < 2 || results_.size() < 2) return false;
    const char op = operators_.back();
    operators_.pop_back();
    if (op != '+' && op != '^' && op != '-') return false;
    SyntaxTree right = std::move(nodes_.back());
    nodes_.pop_back();
    SyntaxTree left = std::move(nodes_.back());
    nodes_.pop_back();
    ItemList rightItems = std::move(results_.back());
    results_.pop_back();
    ItemList leftItems = std::move(results_.back());
    results_.pop_back();
    results_.push_back(
        ReduceResults(op, left.get(), right.get(), std::move(leftItems), std::move(rightItems), context_));
    nodes_.push_back(Combine(op, std::move(left), std::move(right), context_));
    return !context_.Exhausted();
  }

  bool Finish() {
    if (expectOperand_) return FailAtEnd();
    while (!operators_.empty()) {
      if (operators_.back() == '(' || operators_.back() == ')') return FailUnclosedGroup();
      if (!Reduce()) return false;
    }
    return results_.size() == 1 && nodes_.size() == 1;
  }

  // Nothing but spaces, or an operator last.
  bool FailAtEnd() {
    if (nodes_.empty() && operators_.empty()) return Fail(MessageId::ExpressionEmpty);
    const std::string_view last = text_.substr(text_.find_last_not_of(' '), 1);
    return Fail(MessageId::OperandMissingAtEnd, last, {std::string(last)});
  }

  // A quote left open swallows the ")" that would have closed the group.
  bool FailUnclosedGroup() {
    if (std::string_view quote = UnclosedQuote(text_); !quote.empty()) return Fail(MessageId::MissingQuote, quote);
    return Fail(MessageId::UnclosedParenthesis, UnclosedParenthesis(text_));
  }

  EvaluationContext& context_;
  std::string_view text_;
  std::vector<char> operators_;
  std::vector<SyntaxTree> nodes_;
  std::vector<ItemList> results_;
  bool expectOperand_ = true;
};

}  // namespace

std::optional<ItemList> EvaluateInContext(EvaluationContext& context, std::string_view expression, SyntaxTree& tree) {
  ExpressionPass pass(context);
  return pass.Run(expression, tree);
}

}  // namespace ovelin
