#pragma once

#include <string>
#include <string_view>

// Whether an activity name can be stored as a key of GM.ini and read back as the same name.

// What is wrong with a name. "|", "," and inner spaces are allowed.
struct NameProblem {
    enum class Kind {
        None,
        Blank,
        HasEquals,       // it would end the key
        OpensLikeOther,  // "[" or ";" first: the line would read as a section or a comment
        HasControl,      // a line break or other control character would split or hide the line
        Unstorable,      // code page 936 cannot hold it: it would come back as "?", another name
    };
    Kind kind = Kind::None;
    std::u16string unstorable;  // for Unstorable: those characters, each once, in order
    explicit operator bool() const { return kind != Kind::None; }
};

// The first problem of the (already trimmed) name, in the order of NameProblem::Kind.
NameProblem CheckActivityName(std::u16string_view name);

// The message for the problem; empty for none.
std::u16string DescribeNameProblem(const NameProblem& problem);
