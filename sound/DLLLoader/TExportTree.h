#pragma once
// A character tree of a library's export names that finds the value of a name in as many
// steps as the name has characters.

#include <cstdint>
#include <string_view>
#include <utility>

class TExportTree {
public:
    // One character of one or more names. Each level is a list ordered by ascending Char
    // (as unsigned bytes); a name's value sits in the node of its last character.
    struct TNode {
        std::uint8_t Char = 0;
        std::uintptr_t Value = 0; // an address: pointer-sized on this platform
        bool HasValue = false;
        TNode* Up = nullptr;   // the node of the previous character
        TNode* Down = nullptr; // first node of the next level
        TNode* Prev = nullptr; // neighbours on the same level
        TNode* Next = nullptr;
    };

    TExportTree() = default;
    TExportTree(const TExportTree&) = delete;
    TExportTree& operator=(const TExportTree&) = delete;
    ~TExportTree();

    // Adds name with value; false for an empty name or one that already has a value
    // (the first value of a name stays).
    bool AddName(std::string_view name, std::uintptr_t value);
    // (found, value); names are compared exactly, case included.
    std::pair<bool, std::uintptr_t> FindName(std::string_view name) const;

    // The first node of the top level, for walking the tree.
    const TNode* Root() const { return root; }

private:
    TNode* root = nullptr;
};
