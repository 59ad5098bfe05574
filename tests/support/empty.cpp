// Keeps the test-support library non-empty before the fixture builders exist.
namespace kis::test { void SupportLibraryAnchor() {} }
