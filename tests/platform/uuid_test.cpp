// Conformance of the RPC UUID calls: distinct UUIDs, and their 36-character text form.
#include "lib/platform/win32.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

std::string Text(UUID uuid) {
    RPC_CSTR text = nullptr;
    EXPECT_EQ(RPC_S_OK, UuidToStringA(&uuid, &text));
    std::string out = reinterpret_cast<char*>(text);
    EXPECT_EQ(RPC_S_OK, RpcStringFreeA(&text));
    return out;
}

TEST(UuidSeam, CreatesDistinctUuidsWithTheirTextForm) {
    UUID a{}, b{};
    ASSERT_EQ(RPC_S_OK, UuidCreate(&a));
    ASSERT_EQ(RPC_S_OK, UuidCreate(&b));
    std::string ta = Text(a), tb = Text(b);
    EXPECT_NE(ta, tb);
    ASSERT_EQ(36u, ta.size());
    for (size_t i = 0; i < ta.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23)
            EXPECT_EQ('-', ta[i]);
        else
            EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(ta[i])) &&
                        !std::isupper(static_cast<unsigned char>(ta[i])))
                << ta;
    }
}

TEST(UuidSeam, TextFormFollowsTheFieldOrder) {
    UUID u{0x01234567, 0x89ab, 0xcdef, {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef}};
    EXPECT_EQ("01234567-89ab-cdef-0123-456789abcdef", Text(u));
}

}  // namespace
