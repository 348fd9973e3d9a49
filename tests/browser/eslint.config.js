// The emulator page's scripts run in the browser, the tests beside this file
// in node (page code inside them too). Run from the top of the tree, where
// the page is: `npm run lint` here does, and `npm run format` fixes.
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['**/node_modules/'] },
  js.configs.recommended,
  {
    rules: {
      eqeqeq: 'error',
      'no-var': 'error',
      'prefer-const': 'error',
      curly: ['error', 'multi-line'],
      'one-var': ['error', 'never'],
    },
  },
  {
    files: ['host/serve/web/**/*.js'],
    languageOptions: { sourceType: 'module', globals: globals.browser },
  },
  {
    files: ['tests/browser/**/*.{js,mjs}'],
    languageOptions: { sourceType: 'module', globals: { ...globals.node, ...globals.browser } },
  },
];
