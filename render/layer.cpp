// placeholder so the layer library has a source until its first unit lands
namespace w4 {}
