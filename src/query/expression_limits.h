#pragma once
// Bounds that keep the evaluation of hostile or runaway expressions finite in time,
// memory and stack depth. Expressions beyond them fail like a syntax error.

#include <cstddef>

namespace ovelin {

/// Longest expression text (bytes) that is evaluated; longer texts fail.
inline constexpr size_t kMaxExpressionLength = 64 * 1024;

/// Operands evaluated by one call, counting those inside view sets it reaches.
inline constexpr size_t kMaxOperandEvaluations = 2048;

/// View sets that may be open inside one another during one evaluation.
inline constexpr size_t kMaxViewSetNesting = 64;

/// Bytes one evaluation may add to node texts (the normalised texts of all subtrees).
inline constexpr size_t kMaxTreeTextBytes = 64 * 1024 * 1024;

/// Depth beyond which tree walks give up (containment: "not shown"; simplifier:
/// no rewriting). Never reached while the operand bound holds; a backstop for the stack.
inline constexpr int kMaxTreeDepth = 4096;

}  // namespace ovelin
