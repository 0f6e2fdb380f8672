namespace w4 {}
