#include "TExportTree.h"

#include <vector>

TExportTree::~TExportTree() {
    // Freed with a work list instead of recursion: a long name is a deep chain of levels.
    std::vector<TNode*> pending;
    if (root != nullptr)
        pending.push_back(root);
    while (!pending.empty()) {
        TNode* node = pending.back();
        pending.pop_back();
        if (node->Down != nullptr)
            pending.push_back(node->Down);
        if (node->Next != nullptr)
            pending.push_back(node->Next);
        delete node;
    }
}

bool TExportTree::AddName(std::string_view name, std::uintptr_t value) {
    if (name.empty())
        return false;
    TNode* last = nullptr; // the last node matched or created
    TNode* level = root;   // first node of the level to search
    std::size_t index = 0;
    for (; index < name.size(); ++index) {
        if (level == nullptr)
            break; // the rest of the name hangs below `last` as a chain
        const auto wanted = static_cast<std::uint8_t>(name[index]);
        TNode* node = level;
        TNode* tail = level;
        while (node != nullptr && node->Char < wanted) {
            tail = node;
            node = node->Next;
        }
        if (node != nullptr && node->Char == wanted) {
            last = node;
            level = node->Down;
            continue;
        }
        TNode* created = new TNode;
        created->Char = wanted;
        if (node == nullptr) {
            // Greater than every Char of the level: append after its last node.
            created->Up = tail->Up;
            created->Prev = tail;
            tail->Next = created;
        } else {
            created->Up = node->Up;
            created->Next = node;
            created->Prev = node->Prev;
            if (node->Prev != nullptr) {
                node->Prev->Next = created;
            } else if (node->Up != nullptr) {
                node->Up->Down = created;
            } else {
                root = created;
            }
            node->Prev = created;
        }
        last = created;
        level = nullptr;
    }
    for (; index < name.size(); ++index) {
        TNode* created = new TNode;
        created->Char = static_cast<std::uint8_t>(name[index]);
        created->Up = last;
        if (last != nullptr)
            last->Down = created;
        else
            root = created;
        last = created;
    }
    if (last == nullptr || last->HasValue)
        return false;
    last->Value = value;
    last->HasValue = true;
    return true;
}

std::pair<bool, std::uintptr_t> TExportTree::FindName(std::string_view name) const {
    if (name.empty())
        return {false, 0};
    const TNode* level = root;
    for (std::size_t index = 0; index < name.size(); ++index) {
        const auto wanted = static_cast<std::uint8_t>(name[index]);
        const TNode* node = level;
        while (node != nullptr && node->Char != wanted)
            node = node->Next;
        if (node == nullptr)
            return {false, 0};
        if (index + 1 == name.size())
            return node->HasValue ? std::pair{true, node->Value}
                                  : std::pair{false, std::uintptr_t(0)};
        level = node->Down;
    }
    return {false, 0};
}
