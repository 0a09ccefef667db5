#pragma once
// Working out the property definitions in force for sets, parents first, on an
// explicit stack: a chain of parents of any length takes no deeper call stack,
// and time and memory in proportion to its length and its definitions.

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/file_set_store.h"

namespace ovelin {

// The definitions in force for a set are its parents' (marked "Parent"), merged in
// the name order of the parents, followed by its own, each of which replaces an
// inherited definition of its name ("Ext") or is appended ("Self"). Each set is
// worked out once per memo. A set met again while it is being worked out (a
// parent cycle of a hand-edited file) counts as having no definitions.
class DefinitionWalk {
 public:
  /// Called with each set's list when it is finished, and the positions in it of
  /// the set's own definitions, in list order.
  using Finished =
      std::function<void(const std::string& name, const DefinitionList& list, const std::vector<size_t>& own)>;

  /// Finished lists go into `memo`, which calls on the same unchanged document may share.
  DefinitionWalk(const CFileSetStore& store, DefinitionMemo& memo) : store_(store), memo_(memo) {}

  /// From now on a finished list stays in the memo only until its last reader has
  /// it, so that a long chain costs memory in proportion to its length. The readers
  /// are the sets reachable upwards from `names`, each reading its parents once,
  /// and, when `callerReads`, the caller, reading each of `names` once per
  /// occurrence (Of). Only for a walk that starts with an empty memo.
  void CountReaders(const NameList& names, bool callerReads);

  void OnFinished(Finished finished) { finished_ = std::move(finished); }

  /// The definitions in force for the set; none for an unknown name.
  DefinitionList Of(const std::string& name);

  /// Works out the set's list and those of its ancestors, and takes none of them.
  void Visit(const std::string& name);

 private:
  struct Frame {
    std::string name;
    pugi::xml_node set;
    const NameList* parents = nullptr;
    size_t next = 0;
    DefinitionList list;
    std::unordered_map<std::string, size_t> firstOf;  // name -> its first position in `list`
    std::vector<size_t> own;                          // positions of the set's own definitions
  };

  static void Inherit(Frame& reader, DefinitionList inherited);
  static void HandOver(Frame& from, Frame& to);
  static void AddOwn(Frame& frame);

  const NameList& ParentsOf(const std::string& name);
  void Enter(std::vector<Frame>& stack, const std::string& name, pugi::xml_node set);
  bool IsLastReader(const std::string& name) const;
  DefinitionList Take(const std::string& name);
  void Keep(Frame& frame);

  const CFileSetStore& store_;
  DefinitionMemo& memo_;
  std::unordered_map<std::string, NameList> parents_;
  std::unordered_map<std::string, size_t> readers_;
  bool counted_ = false;
  Finished finished_;
};

}  // namespace ovelin
