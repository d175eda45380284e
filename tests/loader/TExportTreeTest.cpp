// The export name tree: order and links of its levels, first values that stay, and
// look-ups that must not match prefixes, near misses or other cases.

#include "sound/DLLLoader/TExportTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TNode = TExportTree::TNode;

// The characters of one level, following Next from its first node.
std::string LevelChars(const TNode* first) {
    std::string chars;
    for (const TNode* node = first; node != nullptr; node = node->Next)
        chars += static_cast<char>(node->Char);
    return chars;
}

const TNode* Child(const TNode* level, char c) {
    for (const TNode* node = level; node != nullptr; node = node->Next)
        if (node->Char == static_cast<std::uint8_t>(c))
            return node;
    return nullptr;
}

// The node of the last character of path, walking down from the top level.
const TNode* NodeOf(const TExportTree& tree, const std::string& path) {
    const TNode* node = nullptr;
    const TNode* level = tree.Root();
    for (char c : path) {
        node = Child(level, c);
        if (node == nullptr)
            return nullptr;
        level = node->Down;
    }
    return node;
}

// Every level reachable from first has ascending Chars, Prev mirroring Next, and each node's
// Up pointing at the node its level hangs from.
void ExpectLinksConsistent(const TNode* first, const TNode* parent) {
    const TNode* previous = nullptr;
    for (const TNode* node = first; node != nullptr; node = node->Next) {
        EXPECT_EQ(node->Prev, previous);
        EXPECT_EQ(node->Up, parent);
        if (previous != nullptr) {
            EXPECT_LT(previous->Char, node->Char);
        }
        ExpectLinksConsistent(node->Down, node);
        previous = node;
    }
}

} // namespace

TEST(TExportTree, LevelsStayOrderedAsUnsignedBytesWhateverTheInsertionOrder) {
    TExportTree tree;
    // First, last, middle and before-the-first insertions at the top level and below it;
    // 0xE4 sorts after ASCII as an unsigned byte.
    for (const std::string name : {"m", "z", "\xE4x", "a", "q", "ma", "mz", "mb", "m0", "A"})
        EXPECT_TRUE(tree.AddName(name, name.size()));
    EXPECT_EQ(LevelChars(tree.Root()), "Aamqz\xE4");
    EXPECT_EQ(LevelChars(NodeOf(tree, "m")->Down), "0abz");
    ExpectLinksConsistent(tree.Root(), nullptr);
}

TEST(TExportTree, ChainsHangBelowTheLastMatchedNode) {
    TExportTree tree;
    ASSERT_TRUE(tree.AddName("BASS_Init", 1));
    ASSERT_TRUE(tree.AddName("BASS_Free", 2));
    const TNode* underscore = NodeOf(tree, "BASS_");
    ASSERT_NE(underscore, nullptr);
    EXPECT_EQ(LevelChars(underscore->Down), "FI");
    EXPECT_EQ(underscore->Down->Up, underscore);
    EXPECT_EQ(underscore->Down->Next->Up, underscore);
    ExpectLinksConsistent(tree.Root(), nullptr);
}

TEST(TExportTree, AddNameRefusesEmptyNamesAndKeepsTheFirstValue) {
    TExportTree tree;
    EXPECT_FALSE(tree.AddName("", 7));
    EXPECT_EQ(tree.Root(), nullptr);
    EXPECT_TRUE(tree.AddName("Play", 1));
    EXPECT_FALSE(tree.AddName("Play", 2));
    EXPECT_EQ(tree.FindName("Play"), std::pair(true, std::uintptr_t(1)));
    // A prefix of an existing name is a new name of its own; so is a longer one.
    EXPECT_TRUE(tree.AddName("Pla", 3));
    EXPECT_TRUE(tree.AddName("Player", 4));
    EXPECT_FALSE(tree.AddName("Pla", 5));
    EXPECT_EQ(tree.FindName("Pla").second, 3u);
    EXPECT_EQ(tree.FindName("Player").second, 4u);
    // A value of 0 is a value all the same.
    EXPECT_TRUE(tree.AddName("Zero", 0));
    EXPECT_FALSE(tree.AddName("Zero", 9));
    EXPECT_EQ(tree.FindName("Zero"), std::pair(true, std::uintptr_t(0)));
}

TEST(TExportTree, FindNameMatchesWholeNamesExactly) {
    TExportTree tree;
    tree.AddName("BASS_ChannelIsActive", 10);
    tree.AddName("BASS_ChannelPlay", 11);
    tree.AddName("bass_channelplay", 12);
    EXPECT_EQ(tree.FindName("BASS_ChannelPlay").second, 11u);
    EXPECT_EQ(tree.FindName("bass_channelplay").second, 12u);
    for (const char* miss : {"BASS_", "BASS_Channel", "BASS_ChannelPla", "BASS_ChannelPlayX",
                             "BASS_ChanXelPlay", "Bass_ChannelPlay", "BASS_CHANNELPLAY", "", "x"})
        EXPECT_FALSE(tree.FindName(miss).first) << miss;
}

TEST(TExportTree, VeryLongNamesAreAddedFoundAndFreed) {
    TExportTree tree;
    const std::string longName(200000, 'n');
    EXPECT_TRUE(tree.AddName(longName, 5));
    EXPECT_TRUE(tree.AddName(longName + "m", 6));
    EXPECT_EQ(tree.FindName(longName).second, 5u);
    EXPECT_FALSE(tree.FindName(longName.substr(1)).first);
    // The destructor must not recurse once per character.
}
