// The association of extensions with the program in a user's XDG folders
// (a temporary folder per test), and the Ext list of the file dialogs.
#include "FileTestSupport.h"
#include "settings/FileAssociation.h"
#include "settings/SettingsTable.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

namespace mojiro {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::Put;

class FileAssociationTest : public ::testing::Test {
protected:
    FileAssociationTest()
        : root_(fs::temp_directory_path() /
                ("mojiro-assoc-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          store_((fs::remove_all(root_), root_ / "Mojiro" / "Mojiro.ini")) {
        store_.Open();
        // The system's database, as far as these tests need it.
        Put(Data() / "mime" / "globs2", "# comment\n50:text/plain:*.txt\n");
    }
    ~FileAssociationTest() override { fs::remove_all(root_); }

    [[nodiscard]] fs::path Data() const { return root_ / "data"; }
    [[nodiscard]] fs::path MimeApps() const { return root_ / "config" / "mimeapps.list"; }
    [[nodiscard]] TFileAssociation
    Association(const std::string& program = "/opt/mojiro/bin/mojiro") const {
        return TFileAssociation(Data(), root_ / "config", program);
    }
    [[nodiscard]] std::string Ext() const { return store_.ReadString("File", "Ext", "(absent)"); }

    fs::path root_;
    SettingsStore store_;
};

TEST(NormaliseExtension, FoldsToLowerCaseWithAPointInFront) {
    EXPECT_EQ(".doc", NormaliseExtension("DOC"));
    EXPECT_EQ(".doc", NormaliseExtension(".Doc"));
    EXPECT_EQ(".", NormaliseExtension(""));
}

TEST_F(FileAssociationTest, RegisteringANewExtensionTwiceGivesItOurTypeAndOneExtEntry) {
    TFileAssociation association = Association();
    association.Register("doc", store_);
    association.Register(".doc", store_);

    EXPECT_EQ("*.txt;*.doc;", Ext());
    EXPECT_EQ(AssociationOwner::Mojiro, association.Owner(".doc"));
    EXPECT_EQ("[Default Applications]\napplication/x-mojiro-doc=mojiro.desktop;\n",
              Bytes(MimeApps()));
    EXPECT_NE(std::string::npos,
              Bytes(Data() / "mime/packages/mojiro.xml").find("<glob pattern=\"*.doc\"/>"));
    const std::string desktop = Bytes(Data() / "applications/mojiro.desktop");
    EXPECT_NE(std::string::npos, desktop.find("\nExec=\"/opt/mojiro/bin/mojiro\" %f\n")) << desktop;
    EXPECT_NE(std::string::npos, desktop.find("\nIcon=mojiro\n")) << desktop;
    EXPECT_NE(std::string::npos, desktop.find("\nMimeType=application/x-mojiro-doc;\n")) << desktop;
}

TEST_F(FileAssociationTest, RegisteringTxtClaimsItsKnownTypeAndLeavesExtAlone) {
    TFileAssociation association = Association();
    association.Register(".TXT", store_);
    EXPECT_EQ("(absent)", Ext());
    EXPECT_EQ("[Default Applications]\ntext/plain=mojiro.desktop;\n", Bytes(MimeApps()));
    EXPECT_FALSE(fs::exists(Data() / "mime/packages/mojiro.xml"));
}

TEST_F(FileAssociationTest, RemovingDocTakesItsTypeAndExtEntryButKeepsTheDesktopEntry) {
    TFileAssociation association = Association();
    association.Register("doc", store_);
    association.Register("jis", store_);
    association.Remove("doc", store_);

    EXPECT_EQ("*.txt;*.jis;", Ext());
    EXPECT_EQ(AssociationOwner::None, association.Owner(".doc"));
    EXPECT_EQ(AssociationOwner::Mojiro, association.Owner(".jis"));
    EXPECT_EQ(std::string::npos, Bytes(Data() / "mime/packages/mojiro.xml").find("*.doc"));
    EXPECT_TRUE(fs::exists(Data() / "applications/mojiro.desktop"));
}

TEST_F(FileAssociationTest, RemovingTxtKeepsItsExtEntry) {
    TFileAssociation association = Association();
    store_.WriteString("File", "Ext", "*.txt;*.doc;");
    association.Register("txt", store_);
    association.Remove("txt", store_);
    EXPECT_EQ("*.txt;*.doc;", Ext());
    EXPECT_EQ(AssociationOwner::None, association.Owner(".txt"));
}

TEST_F(FileAssociationTest, RemovingAnUnregisteredExtensionChangesNothing) {
    store_.WriteString("File", "Ext", "*.txt;*.doc;");
    Association().Remove("doc", store_);
    EXPECT_EQ("*.txt;*.doc;", Ext());
    EXPECT_FALSE(fs::exists(MimeApps()));
}

TEST_F(FileAssociationTest, OtherProgramsDefaultIsReportedAndOnlyOurLineIsEdited) {
    const std::string head = "# mine\n"
                             "[Added Associations]\n"
                             "text/plain=org.gnome.gedit.desktop;\n"
                             "\n"
                             "[Default Applications]\n"
                             "image/png=eog.desktop;\n";
    const std::string tail = "x-scheme-handler/http=firefox.desktop;\n";
    Put(MimeApps(), head + "text/plain = org.gnome.gedit.desktop;\n" + tail);
    TFileAssociation association = Association();
    EXPECT_EQ(AssociationOwner::Other, association.Owner(".txt"));

    association.Register("txt", store_);
    EXPECT_EQ(head + "text/plain=mojiro.desktop;\n" + tail, Bytes(MimeApps()));
    association.Remove("txt", store_);
    EXPECT_EQ(head + tail, Bytes(MimeApps()));
}

TEST_F(FileAssociationTest, DefaultsSectionIsAddedAfterTheUsersOwnLines) {
    Put(MimeApps(), "[Added Associations]\nimage/png=eog.desktop;");
    Association().Register("txt", store_);
    EXPECT_EQ("[Added Associations]\nimage/png=eog.desktop;\n"
              "[Default Applications]\ntext/plain=mojiro.desktop;\n",
              Bytes(MimeApps()));
}

TEST_F(FileAssociationTest, EmptyOrUnsafeExtensionIsRefused) {
    TFileAssociation association = Association();
    for (const char* extension : {"", ".", "..", ".a b", ".*", ".a/b"}) {
        EXPECT_THROW(association.Register(extension, store_), std::runtime_error) << extension;
    }
    EXPECT_EQ("(absent)", Ext());
    EXPECT_FALSE(fs::exists(MimeApps()));
}

TEST_F(FileAssociationTest, ProgramPathIsQuotedForExec) {
    Association(R"(/opt/my "apps"/50%/a\b)").Register("txt", store_);
    const std::string desktop = Bytes(Data() / "applications/mojiro.desktop");
    EXPECT_NE(std::string::npos, desktop.find(R"(Exec="/opt/my \\"apps\\"/50%%/a\\\\b" %f)"))
        << desktop;
}

TEST_F(FileAssociationTest, RefusedWriteIsReportedAndExtKept) {
    Put(root_ / "config", "a file where the folder should be");
    EXPECT_THROW(Association().Register("doc", store_), std::runtime_error);
    EXPECT_EQ("(absent)", Ext());
}

TEST_F(FileAssociationTest, ExtWithoutItsLastSeparatorGetsOneBeforeTheNewEntry) {
    store_.WriteString("File", "Ext", "*.txt");
    Association().Register("doc", store_);
    EXPECT_EQ("*.txt;*.doc;", Ext());
}

} // namespace
} // namespace mojiro
